#pragma once

#include "grips/StaffView.h"

#include <array>

class QFrame;
class QWidget;

// The five-line staff of the main window with its ledger lines, the note, sharp and flat
// images that show a grip, and the pictures the user drags onto it to enter a grip as notes.
namespace views {

class TwipPicture;

class StaffPictures : public grips::StaffView {
public:
    explicit StaffPictures(QWidget* form);

    std::array<QFrame*, 17> LinOsnova{};
    std::array<TwipPicture*, 5> imgNota{};
    std::array<TwipPicture*, 5> imgBecko{};
    std::array<TwipPicture*, 5> imgKrizek{};
    std::array<TwipPicture*, 5> picNota{};
    std::array<TwipPicture*, 5> picBecko{};
    std::array<TwipPicture*, 5> picKrizek{};

    int shownTop(grips::StaffSign sign, int index) const override;
    void showAt(grips::StaffSign sign, int index, int top) override;
    void hideShownTones() override;
    void putNotesBack() override;
    void putAccidentalsBack() override;
    int entryNoteTop(int index) const override;

    // Snapping after a drag: the three MouseDown handlers of the pictures.
    void picNota_MouseDown(int index);
    void picKrizek_MouseDown(int index);
    void picBecko_MouseDown(int index);

    tones::PicturePlace flat(int slot) const override;
    tones::PicturePlace sharp(int slot) const override;

private:
    TwipPicture* shown(grips::StaffSign sign, int index) const;
    void buildLines(QWidget* form);
    void buildPictures(QWidget* form);
};

}  // namespace views
