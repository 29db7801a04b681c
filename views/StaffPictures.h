#pragma once

#include "tones/StaffAccidentals.h"

#include <array>

class QFrame;
class QWidget;

// The five-line staff of the main window with its ledger lines, the note, sharp and flat
// images that show a grip, and the pictures the user drags onto it to enter a grip as notes.
namespace views {

class TwipPicture;

class StaffPictures : public tones::StaffAccidentals {
public:
    explicit StaffPictures(QWidget* form);

    std::array<QFrame*, 17> LinOsnova{};
    std::array<TwipPicture*, 5> imgNota{};
    std::array<TwipPicture*, 5> imgBecko{};
    std::array<TwipPicture*, 5> imgKrizek{};
    std::array<TwipPicture*, 5> picNota{};
    std::array<TwipPicture*, 5> picBecko{};
    std::array<TwipPicture*, 5> picKrizek{};

    // The rest places: shown tones hidden at their rest Tops, the entry notes and the entry
    // sharps and flats in their rows beside the staff.
    void hideShownTones();
    void putNotesBack();
    void putAccidentalsBack();

    // Snapping after a drag: the three MouseDown handlers of the pictures.
    void picNota_MouseDown(int index);
    void picKrizek_MouseDown(int index);
    void picBecko_MouseDown(int index);

    tones::PicturePlace flat(int slot) const override;
    tones::PicturePlace sharp(int slot) const override;

private:
    void buildLines(QWidget* form);
    void buildPictures(QWidget* form);
};

}  // namespace views
