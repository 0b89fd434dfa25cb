#pragma once

// Every test of the main window runs with a temporary application and
// working directory (the program's folder and the settings folder at once)
// and the process-wide values reset.

#include "resources/QvResources.h"
#include "base/AppContext.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

class TestEnvironment
{
public:
    TestEnvironment()
    {
        initQvResources();
        AppContext::reset();
        AppContext::programDirPath = m_dir.path();
        AppContext::appDirPath = m_dir.path();
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        AppContext::screenWidth = 1920;
        AppContext::screenHeight = 1080;
        AppContext::availableHeight = 1040;
        AppContext::displayWindowParent = new QLabel;
    }
    ~TestEnvironment()
    {
        QDir::setCurrent(m_previousDir);
        delete AppContext::displayWindowParent;
        AppContext::displayWindowParent = nullptr;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};
