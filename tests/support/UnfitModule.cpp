// A module made for another program: it needs a function this one lacks.

#include "ProbeModule.h"

#include <QObject>

void functionNoProgramHas();

class UnfitModuleRoot : public QObject, public ProbeModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ProbeModule_iid)
    Q_INTERFACES(ProbeModule)

public:
    QString programFolder() const override
    {
        functionNoProgramHas();
        return QString();
    }
};

#include "UnfitModule.moc"
