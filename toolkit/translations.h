// The user's language: Qt's own translations (dialog buttons, the replace
// question) and the program's, for that one language only.
#pragma once

#include <QString>
#include <QTranslator>

namespace toolkit {

class Translations {
  public:
    // Installs them for as long as this lives. Qt's come from Qt's folder, or
    // from a "translations" folder beside the program (as Windows has it);
    // the program's are compiled in, as :/i18n/PROGRAM_LANGUAGE.qm.
    explicit Translations(const QString& program);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

  private:
    QTranslator qt_, own_;
};

} // namespace toolkit
