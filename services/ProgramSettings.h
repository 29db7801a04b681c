#pragma once

#include <QString>
#include <QStringList>

// What the program remembers, under the application "Mechik": the two choices stored as text,
// section "Znaceni" (button numbering) and section "TypHarm" (keyboard model), key "Index";
// and lists of texts, key "Seznam": section "PosledniPisne" (the last songs, most recent
// first) and section "DodanaLadeni" (the delivered tunings the player's tuning database has
// held, so that one he deleted is not added again). Section "ZvukHmatu", key "Index": "1" while
// the grips lit on the keyboard sound.
namespace services {

class ProgramSettings {
public:
    static inline const QString Znaceni = QStringLiteral("Znaceni");
    static inline const QString TypHarm = QStringLiteral("TypHarm");
    static inline const QString PosledniPisne = QStringLiteral("PosledniPisne");
    static inline const QString DodanaLadeni = QStringLiteral("DodanaLadeni");
    static inline const QString ZvukHmatu = QStringLiteral("ZvukHmatu");

    ProgramSettings();  // the user's settings
    explicit ProgramSettings(QString iniFile);

    // The stored text, or the empty text when nothing is stored.
    QString index(const QString& section) const;
    void setIndex(const QString& section, int value);

    QStringList list(const QString& section) const;  // empty when nothing is stored
    void setList(const QString& section, const QStringList& values);

private:
    QString iniFile_;
};

}  // namespace services
