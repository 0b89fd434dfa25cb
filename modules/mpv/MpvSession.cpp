// One libmpv player: options, commands, properties and the decoding of its
// events into reports of the file opened last.

#include "modules/mpv/MpvSession.h"

#include "base/Log.h"
#include "modules/mpv/MessageBudget.h"

#include <mpv/client.h>

#include <QElapsedTimer>

#include <stdexcept>
#include <vector>

namespace {

// A QVariant list as libmpv's node array of strings and 64-bit integers. The
// byte arrays keep the texts alive while the node is used.
struct NodeList {
    explicit NodeList(const QVariantList &arguments)
    {
        texts.reserve(arguments.size());
        nodes.resize(size_t(arguments.size()));
        for (int i = 0; i < arguments.size(); ++i) {
            const QVariant &argument = arguments.at(i);
            mpv_node &node = nodes[size_t(i)];
            if (argument.type() == QVariant::Int || argument.type() == QVariant::LongLong) {
                node.format = MPV_FORMAT_INT64;
                node.u.int64 = argument.toLongLong();
            } else {
                texts.append(argument.toString().toUtf8());
                node.format = MPV_FORMAT_STRING;
                node.u.string = texts.last().data();
            }
        }
        list.num = int(nodes.size());
        list.values = nodes.data();
        list.keys = nullptr;
        root.format = MPV_FORMAT_NODE_ARRAY;
        root.u.list = &list;
    }
    QList<QByteArray> texts;
    std::vector<mpv_node> nodes;
    mpv_node_list list{};
    mpv_node root{};
};

qint64 entryIdOf(const mpv_node *result)
{
    if (!result || result->format != MPV_FORMAT_NODE_MAP || !result->u.list)
        return -1;
    const mpv_node_list *map = result->u.list;
    for (int i = 0; i < map->num; ++i) {
        if (qstrcmp(map->keys[i], "playlist_entry_id") == 0 && map->values[i].format == MPV_FORMAT_INT64)
            return map->values[i].u.int64;
    }
    return -1;
}

} // namespace

MpvSession::MpvSession(const Options &options, const Options &overrides, qint64 windowId, const char *createError,
                       const char *initError)
{
    m_handle = mpv_create();
    if (!m_handle)
        throw std::runtime_error(createError);
    // Warnings and errors as events (also those of the options below); nothing on the terminal.
    mpv_request_log_messages(m_handle, "warn");
    mpv_set_option_string(m_handle, "terminal", "no");
    for (const auto &option : options + overrides)
        mpv_set_option_string(m_handle, option.first.constData(), option.second.constData());
    if (windowId != 0) {
        int64_t wid = windowId;
        mpv_set_option(m_handle, "wid", MPV_FORMAT_INT64, &wid);
    }
    if (mpv_initialize(m_handle) < 0) {
        mpv_terminate_destroy(m_handle);
        m_handle = nullptr;
        throw std::runtime_error(initError);
    }
}

MpvSession::~MpvSession()
{
    if (!m_handle)
        return;
    mpv_set_wakeup_callback(m_handle, nullptr, nullptr);
    mpv_terminate_destroy(m_handle);
}

void MpvSession::setWakeup(void (*wakeup)(void *), void *context)
{
    mpv_set_wakeup_callback(m_handle, wakeup, context);
}

void MpvSession::observe(const QList<QByteArray> &nodeProperties)
{
    mpv_observe_property(m_handle, 0, "duration", MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_handle, 0, "time-pos", MPV_FORMAT_DOUBLE);
    for (const QByteArray &name : nodeProperties)
        mpv_observe_property(m_handle, 0, name.constData(), MPV_FORMAT_NODE);
}

void MpvSession::setProperty(const char *name, const QByteArray &value)
{
    QByteArray text = value;
    mpv_node node;
    node.format = MPV_FORMAT_STRING;
    node.u.string = text.data();
    const int error = mpv_set_property(m_handle, name, MPV_FORMAT_NODE, &node);
    if (error < 0)
        qCDebug(lcVideo) << "cannot set" << name << "to" << value << ":" << mpv_error_string(error);
}

void MpvSession::command(const QVariantList &arguments)
{
    NodeList nodes(arguments);
    mpv_node result;
    if (mpv_command_node(m_handle, &nodes.root, &result) >= 0)
        mpv_free_node_contents(&result);
}

void MpvSession::commandAsync(const QVariantList &arguments)
{
    NodeList nodes(arguments);
    mpv_command_node_async(m_handle, 0, &nodes.root);
}

void MpvSession::open(const QString &path, double startSeconds)
{
    m_path = path;
    m_expectedEntry = -1;
    m_current = false;
    QVariantList arguments{QStringLiteral("loadfile"), path};
    if (startSeconds > 0) {
        arguments << QStringLiteral("replace");
#if MPV_CLIENT_API_VERSION >= MPV_MAKE_VERSION(2, 3)
        arguments << QStringLiteral("-1"); // the playlist index libmpv 0.38 put before the options
#endif
        arguments << QStringLiteral("start=%1").arg(startSeconds, 0, 'f', 3);
    }
    NodeList nodes(arguments);
    // The reply names the file's entry, which its start and end events carry.
    mpv_command_node_async(m_handle, ++m_openRequest, &nodes.root);
}

void MpvSession::stop(bool async)
{
    m_path.clear();
    m_expectedEntry = -1;
    m_current = false;
    ++m_openRequest; // a reply still on its way belongs to no file now
    if (async)
        commandAsync({QStringLiteral("stop")});
    else
        command({QStringLiteral("stop")});
}

void MpvSession::acceptEntry(qint64 entryId)
{
    m_expectedEntry = entryId;
    m_current = m_startedEntry == entryId;
}

QList<MpvReport> MpvSession::takeReports()
{
    QList<MpvReport> reports;
    while (m_handle) {
        const mpv_event *event = mpv_wait_event(m_handle, 0);
        if (!event || event->event_id == MPV_EVENT_NONE || event->event_id == MPV_EVENT_SHUTDOWN)
            break;
        handleEvent(*event, &reports);
    }
    return reports;
}

void MpvSession::handleEvent(const mpv_event &event, QList<MpvReport> *reports)
{
    switch (event.event_id) {
    case MPV_EVENT_COMMAND_REPLY:
        if (event.reply_userdata != m_openRequest || m_path.isEmpty())
            return;
        if (event.error < 0) {
            qCWarning(lcVideo).noquote() << "cannot open" << m_path << ":" << mpv_error_string(event.error);
            reports->append({MpvReport::Kind::Failed, 0});
            m_path.clear();
            return;
        }
        acceptEntry(entryIdOf(&static_cast<const mpv_event_command *>(event.data)->result));
        return;
    case MPV_EVENT_START_FILE:
        m_startedEntry = static_cast<const mpv_event_start_file *>(event.data)->playlist_entry_id;
        m_current = !m_path.isEmpty() && m_startedEntry == m_expectedEntry;
        return;
    case MPV_EVENT_END_FILE: {
        const auto *end = static_cast<const mpv_event_end_file *>(event.data);
        if (!m_current || end->playlist_entry_id != m_expectedEntry)
            return;
        m_current = false;
        if (end->reason == MPV_END_FILE_REASON_ERROR) {
            qCWarning(lcVideo).noquote() << "cannot play" << m_path << ":" << mpv_error_string(end->error);
            reports->append({MpvReport::Kind::Failed, 0});
        } else if (end->reason == MPV_END_FILE_REASON_EOF) {
            reports->append({MpvReport::Kind::Ended, 0});
        }
        return;
    }
    case MPV_EVENT_LOG_MESSAGE:
        logMessage(*static_cast<const mpv_event_log_message *>(event.data));
        return;
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto *property = static_cast<const mpv_event_property *>(event.data);
        if (!m_current || property->format != MPV_FORMAT_DOUBLE || !property->data)
            return;
        const double value = *static_cast<const double *>(property->data);
        if (qstrcmp(property->name, "duration") == 0)
            reports->append({MpvReport::Kind::Length, value});
        else if (qstrcmp(property->name, "time-pos") == 0)
            reports->append({MpvReport::Kind::Position, value});
        return;
    }
    default:
        return;
    }
}

void MpvSession::logMessage(const mpv_event_log_message &message)
{
    // Every player drains on the GUI thread: one budget for all of them.
    static QElapsedTimer clock;
    static MessageBudget budget(kMostMessagesPerMinute);
    if (!clock.isValid())
        clock.start();
    int leftOut = 0;
    const bool admitted = budget.admit(clock.elapsed(), &leftOut);
    if (leftOut > 0)
        qCWarning(lcVideo).noquote() << "libmpv:" << leftOut << "further messages left out in a minute";
    if (!admitted)
        return;
    qCWarning(lcVideo).noquote() << QStringLiteral("libmpv %1 [%2] %3")
                                        .arg(QString::fromUtf8(message.level), QString::fromUtf8(message.prefix),
                                             QString::fromUtf8(message.text).trimmed());
}

QString MpvSession::propertyText(const QString &name) const
{
    char *value = mpv_get_property_string(m_handle, name.toUtf8().constData());
    if (!value)
        return QString();
    const QString text = QString::fromUtf8(value);
    mpv_free(value);
    return text;
}
