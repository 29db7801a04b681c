#include "StaffPictures.h"

#include "StaffGlyphs.h"
#include "TwipPicture.h"
#include "grips/StaffState.h"
#include "services/Twips.h"
#include "tones/StaffSnapping.h"

#include <QFrame>

namespace views {

namespace {

struct LineSpec {
    int y, from, to;
};

// LinOsnova(0..16): 5..9 the staff, the others ledger lines below and above it.
const LineSpec lineTable[17] = {
    {7440, 3480, 3600}, {7320, 3360, 3600}, {7200, 3240, 3600}, {7080, 3240, 3600},
    {6960, 3240, 3600}, {6840, 2520, 3720}, {6720, 2520, 3720}, {6600, 2520, 3720},
    {6480, 2520, 3720}, {6360, 2520, 3720}, {6240, 3240, 3600}, {6120, 3240, 3600},
    {6000, 3240, 3600}, {5880, 3360, 3600}, {5760, 3360, 3600}, {5640, 3360, 3600},
    {5520, 3360, 3600},
};

const QColor shownColour(0x00, 0x00, 0x80);  // the grip being shown
const QColor entryColour(0x00, 0x00, 0x00);  // the pictures the user drags

}  // namespace

StaffPictures::StaffPictures(QWidget* form) {
    buildLines(form);
    buildPictures(form);
}

void StaffPictures::buildLines(QWidget* form) {
    for (int i = 0; i < 17; ++i) {
        const LineSpec& design = lineTable[i];
        auto* line = new QFrame(form);
        line->setObjectName(QStringLiteral("LinOsnova(%1)").arg(i));
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, Qt::black);
        line->setPalette(palette);
        line->setGeometry(services::twipsToPixels(design.from), services::twipsToPixels(design.y),
                          services::twipsToPixels(design.to - design.from), 1);
        LinOsnova[static_cast<size_t>(i)] = line;
    }
}

void StaffPictures::buildPictures(QWidget* form) {
    auto make = [form](const char* name, int i, const QPixmap& pixmap, int w, int h) {
        auto* picture = new TwipPicture(form, pixmap, w, h);
        picture->setObjectName(QStringLiteral("%1(%2)").arg(QString::fromLatin1(name)).arg(i));
        return picture;
    };
    for (int i = 0; i < 5; ++i) {
        const auto s = static_cast<size_t>(i);
        imgNota[s] = make("imgNota", i, notePicture(shownColour), NoteWidth, NoteHeight);
        imgNota[s]->moveTo(3450, grips::restTop(grips::StaffSign::Note));
        imgBecko[s] = make("imgBecko", i, flatPicture(shownColour), FlatWidth, FlatHeight);
        imgBecko[s]->moveTo(3240, grips::restTop(grips::StaffSign::Flat));
        imgKrizek[s] = make("imgKrizek", i, sharpPicture(shownColour), SharpWidth, SharpHeight);
        imgKrizek[s]->moveTo(3150, grips::restTop(grips::StaffSign::Sharp));

        picBecko[s] = make("picBecko", i, flatPicture(entryColour), FlatWidth, FlatHeight);
        picBecko[s]->onDropped = [this, i](int, int) { picBecko_MouseDown(i); };
        picKrizek[s] = make("picKrizek", i, sharpPicture(entryColour), SharpWidth, SharpHeight);
        picKrizek[s]->onDropped = [this, i](int, int) { picKrizek_MouseDown(i); };
        picNota[s] = make("picNota", i, notePicture(entryColour), NoteWidth, NoteHeight);
        picNota[s]->onDropped = [this, i](int, int) { picNota_MouseDown(i); };
    }
    hideShownTones();
    putNotesBack();
    putAccidentalsBack();
}

TwipPicture* StaffPictures::shown(grips::StaffSign sign, int index) const {
    const auto& pictures = sign == grips::StaffSign::Note   ? imgNota
                           : sign == grips::StaffSign::Flat ? imgBecko
                                                            : imgKrizek;
    return pictures[static_cast<size_t>(index)];
}

int StaffPictures::shownTop(grips::StaffSign sign, int index) const {
    return shown(sign, index)->twipTop();
}

void StaffPictures::showAt(grips::StaffSign sign, int index, int top) {
    TwipPicture* picture = shown(sign, index);
    picture->moveTo(picture->twipLeft(), top);
    picture->show();
}

int StaffPictures::entryNoteTop(int index) const {
    return picNota[static_cast<size_t>(index)]->twipTop();
}

void StaffPictures::hideShownTones() {
    for (grips::StaffSign sign :
         {grips::StaffSign::Note, grips::StaffSign::Flat, grips::StaffSign::Sharp}) {
        for (int i = 0; i < SlotCount; ++i) {
            TwipPicture* picture = shown(sign, i);
            picture->hide();
            picture->moveTo(picture->twipLeft(), grips::restTop(sign));
        }
    }
}

void StaffPictures::putNotesBack() {
    for (int i = 0; i < SlotCount; ++i) {
        const tones::PicturePlace rest = grips::entryNoteRest(i);
        picNota[static_cast<size_t>(i)]->moveTo(rest.left, rest.top);
    }
}

void StaffPictures::putAccidentalsBack() {
    for (int i = 0; i < SlotCount; ++i) {
        const tones::PicturePlace rest = grips::entryFlatRest(i);
        picBecko[static_cast<size_t>(i)]->moveTo(rest.left, rest.top);
    }
    for (int i = 0; i < SlotCount; ++i) {
        const tones::PicturePlace rest = grips::entrySharpRest(i);
        picKrizek[static_cast<size_t>(i)]->moveTo(rest.left, rest.top);
    }
}

namespace {

void snap(TwipPicture* picture, tones::StaffPictureKind kind) {
    const tones::StaffPlace place = tones::snapDroppedPicture(kind, picture->twipTop());
    picture->moveTo(place.left, place.top);
}

}  // namespace

void StaffPictures::picNota_MouseDown(int index) {
    snap(picNota[static_cast<size_t>(index)], tones::StaffPictureKind::Note);
}

void StaffPictures::picKrizek_MouseDown(int index) {
    snap(picKrizek[static_cast<size_t>(index)], tones::StaffPictureKind::Sharp);
}

void StaffPictures::picBecko_MouseDown(int index) {
    snap(picBecko[static_cast<size_t>(index)], tones::StaffPictureKind::Flat);
}

tones::PicturePlace StaffPictures::flat(int slot) const {
    const TwipPicture* p = picBecko[static_cast<size_t>(slot)];
    return {p->twipLeft(), p->twipTop()};
}

tones::PicturePlace StaffPictures::sharp(int slot) const {
    const TwipPicture* p = picKrizek[static_cast<size_t>(slot)];
    return {p->twipLeft(), p->twipTop()};
}

}  // namespace views
