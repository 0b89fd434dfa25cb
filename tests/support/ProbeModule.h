#pragma once

// What the probe module of test_modules offers: enough to show that a module
// is found, opened once and shares the program's own objects.

#include <QString>
#include <QtPlugin>

class ProbeModule
{
public:
    virtual ~ProbeModule() = default;
    // The program's settings folder, as the module sees it.
    virtual QString programFolder() const = 0;
};

#define ProbeModule_iid "org.qvledplayer.ProbeModule/1"
Q_DECLARE_INTERFACE(ProbeModule, ProbeModule_iid)
