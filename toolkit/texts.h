// The program's own texts are translated in one context: Texts::tr("Save").
// (Sign names have their own, "sign", as they stand in a table.)
#pragma once

#include <QCoreApplication>

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)
};
