#pragma once

#include "services/Dialogs.h"
#include "tones/StaffAccidentals.h"

#include <QString>

// Tone names in Czech note naming (h is English B, b is B flat): a letter, an optional "is",
// "es" or "s", an optional octave digit 1-4 and a closing comma, e.g. "c,", "cis1,", "as2,".
namespace tones {

// Staff geometry in twips.
inline constexpr int StepTwips = 60;
inline constexpr int OctaveTwips = 420;

// Whether `name` is a well-formed tone name: letter c d e f g a h b; then "is" or a flat suffix
// ("s" after e and a, "es" after the other letters; b takes no suffix); an optional octave digit
// 1-4; then a comma that ends the text.
bool isToneName(const QString& name);

// The enharmonic spelling with the same octave ("cis1," -> "des1,"), or "nejde" when the tone
// has none; the display's fallback when the tuning lacks a tone as written.
QString alternativeToneName(const QString& name);

// Places tones on the staff and reads them back. Malformed names are reported through the
// message boxes the player knows; the methods then go on as far as they can.
class clsNoty {
public:
    explicit clsNoty(services::Dialogs& dialogs) : dialogs_(dialogs) {}

    // The accidental marker ("k" sharp, "b" flat or nothing) followed by the tone's offset above
    // the staff's lowest c: "cis1," -> "k420", "es1," -> "b540", "c," -> "0". Empty when the
    // name cannot be read at all.
    QString ZobrazNotu(const QString& name) const;

    // alternativeToneName, as the display calls it.
    QString AlternativeToneName(const QString& name) const;

    // The tone of a note picture at `top`, sharpened or flattened when an accidental picture
    // stands just above it; empty when the note must not be written (ces, his). Callers pass
    // only the Tops of the staff's note places; any other Top gives empty, without a message.
    QString StaffNoteName(int top, const StaffAccidentals& accidentals) const;

private:
    QString applyFlat(QChar letter, const QString& rest) const;
    QString applySharp(QChar letter, const QString& rest) const;

    services::Dialogs& dialogs_;
};

}  // namespace tones
