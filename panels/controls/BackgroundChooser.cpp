// The background-picture choice shared by the media panels and the program panel.

#include "panels/controls/BackgroundChooser.h"

#include "base/Prompts.h"
#include "panels/controls/FillGuard.h"

#include <QComboBox>
#include <QStandardPaths>

namespace {
constexpr int kFirstEntry = 0;
constexpr int kSelectEntry = 1;
constexpr int kPictureEntry = 2;
} // namespace

const BackgroundChooser::Policy BackgroundChooser::colourFirst{QT_TRANSLATE_NOOP("BackgroundChooser", "Color")};
const BackgroundChooser::Policy BackgroundChooser::noPictureFirst{
    QT_TRANSLATE_NOOP("BackgroundChooser", "No background picture")};

BackgroundChooser::BackgroundChooser(QComboBox *combo, const Policy &policy, QObject *parent)
    : QObject(parent), m_combo(combo), m_policy(policy)
{
    // Only the operator's choices count: fillers and retranslation change the
    // index too, and must never reach the record.
    connect(m_combo, qOverload<int>(&QComboBox::activated), this, &BackgroundChooser::onActivated);
}

QStringList BackgroundChooser::fixedEntries() const
{
    return {tr(m_policy.firstEntry), tr("Please Select background picture")};
}

void BackgroundChooser::fill(bool first, const QString &picture)
{
    QStringList entries = fixedEntries();
    if (!picture.isEmpty())
        entries << picture;
    const int current = first ? kFirstEntry : (picture.isEmpty() ? kSelectEntry : kPictureEntry);
    refillCombo(m_combo, entries, current);
}

void BackgroundChooser::retranslate()
{
    QStringList entries = fixedEntries();
    const QString path = picture();
    if (!path.isEmpty())
        entries << path;
    const int current = m_combo->currentIndex();
    refillCombo(m_combo, entries, current < 0 ? kFirstEntry : current);
}

QString BackgroundChooser::picture() const
{
    return m_combo->count() > kPictureEntry ? m_combo->itemText(kPictureEntry) : QString();
}

void BackgroundChooser::onActivated(int index)
{
    switch (index) {
    case kFirstEntry:
        emit sigChosen(Choice::First, QString());
        break;
    case kSelectEntry:
        if (askForPicture())
            emit sigChosen(Choice::Picture, picture());
        else
            emit sigChosen(Choice::NoPicture, QString());
        break;
    case kPictureEntry:
        emit sigChosen(Choice::Picture, picture());
        break;
    default:
        break; // no entry of ours
    }
}

bool BackgroundChooser::askForPicture()
{
    const QString path = Prompts::current().openFileName(
        m_combo->window(), tr("Open"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        QStringLiteral("image(*.jpg *.png *.jpeg *.gif)"));
    if (path.isEmpty())
        return false;
    setPicture(path);
    return true;
}

void BackgroundChooser::setPicture(const QString &path)
{
    const FillGuard guard{m_combo};
    if (m_combo->count() > kPictureEntry)
        m_combo->setItemText(kPictureEntry, path);
    else
        m_combo->addItem(path);
    m_combo->setCurrentIndex(kPictureEntry);
}
