#pragma once

// An Office converter for the tests that refuses every document and counts
// how often it was asked; installed for the life of the object.

#include "platform/OfficeConverter.h"

class RefusingConverter : public OfficeConverter
{
public:
    RefusingConverter() { OfficeConverter::install(this); }
    ~RefusingConverter() override { OfficeConverter::install(nullptr); }
    void start(Application, const QString &, const QString &, int, Done done) override
    {
        ++calls;
        done(Outcome::Failed, QStringLiteral("refused"));
    }
    int calls = 0;
};
