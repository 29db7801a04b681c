#pragma once

#include <QString>

// The program's two remembered choices, stored as text under the application "Mechik":
// section "Znaceni" (button numbering) and section "TypHarm" (keyboard model), key "Index".
namespace app {

class ProgramSettings {
public:
    static inline const QString Znaceni = QStringLiteral("Znaceni");
    static inline const QString TypHarm = QStringLiteral("TypHarm");

    ProgramSettings();  // the user's settings
    explicit ProgramSettings(QString iniFile);

    // The stored text, or the empty text when nothing is stored.
    QString index(const QString& section) const;
    void setIndex(const QString& section, int value);

private:
    QString iniFile_;
};

}  // namespace app
