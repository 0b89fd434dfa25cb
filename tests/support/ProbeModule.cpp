// The probe module of test_modules: reads a value the program owns.

#include "ProbeModule.h"

#include "base/AppContext.h"

#include <QObject>

class ProbeModuleRoot : public QObject, public ProbeModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ProbeModule_iid)
    Q_INTERFACES(ProbeModule)

public:
    QString programFolder() const override { return AppContext::appDirPath; }
};

#include "ProbeModule.moc"
