#include "MainWindowLayout.h"

#include "DesignedControls.h"
#include "VbColour.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace views {

namespace {

// Left, Top, Width, Height in twips, as designed.
const ControlDesign controlTable[] = {
    {"cmdTimer", ControlKind::CaptionButton, "Automat", 0, 0, 735, 255},
    {"Slider1", ControlKind::TempoSlider, "", 1200, 0, 1095, 240},
    {"lblTempo", ControlKind::TopLeftLabel, "<--- Tempo --->", 1200, 240, 1095, 255},
    {"Label1", ControlKind::TopLeftLabel, "Pořadí hmatu", 120, 240, 975, 255},
    {"lblTon", ControlKind::TopLeftLabel, "1", 120, 480, 735, 375},
    {"cmdNovaSkladba", ControlKind::CaptionButton, "Nová píseň", 120, 960, 975, 495},
    {"cmdEdit", ControlKind::CaptionButton, "Otevřít", 120, 1560, 975, 495},
    {"cmdEndEdit", ControlKind::CaptionButton, "Konec písničky", 120, 2160, 975, 495},
    {"cmdTlak", ControlKind::CaptionButton, "> Tlak", 120, 2880, 975, 375, LightOrange},
    {"Label3", ControlKind::TopLeftLabel, "Zápis", 120, 3240, 975, 525},
    {"cmdTah", ControlKind::CaptionButton, "< Tah", 120, 3840, 975, 375, LightOrange},
    {"cmdUvolBasy", ControlKind::CaptionButton, "Uvolnit basy", 0, 4440, 1215, 255},
    {"cmdUvolDiskant", ControlKind::CaptionButton, "Uvolnit diskant", 0, 4800, 1215, 255},
    {"cmdUvolKnofl", ControlKind::CaptionButton, "Uvolnit vše", 0, 5160, 1215, 255},
    {"lblSlabika(0)", ControlKind::TopLeftLabel, "", 120, 5400, 975, 255},
    {"lblSlabika(1)", ControlKind::TopLeftLabel, "", 120, 5760, 975, 255},
    {"lblSlabika(2)", ControlKind::TopLeftLabel, "", 120, 6120, 975, 255},
    {"lblSlabika(3)", ControlKind::TopLeftLabel, "", 120, 6480, 975, 255},
    {"lblSlabika(4)", ControlKind::TopLeftLabel, "", 120, 6840, 975, 255},
    {"lblNoty", ControlKind::TopLeftLabel, "Noty pro zápis skladby.", 1320, 5520, 1695, 255},
    {"cmdTlakNoty", ControlKind::CaptionButton, "> Tlak", 1440, 6120, 975, 375, LightOrange},
    {"cmdTahNoty", ControlKind::CaptionButton, "< Tah", 1440, 6600, 975, 375, LightOrange},
    {"cmdUvolNoty", ControlKind::CaptionButton, "Uvolnit noty", 1320, 7080, 1095, 375},
    {"cmdUvolniPultony", ControlKind::CaptionButton, "", 2400, 7080, 255, 375},
    {"cmdOPrg", ControlKind::CaptionButton, "O programu", 120, 7200, 975, 255},
    {"lblPopisD", ControlKind::TopLeftLabel, "Diskant:", 600, 7560, 735, 255},
    {"lblTony", ControlKind::TopLeftLabel, "", 1440, 7560, 2415, 375},
    {"lblPopisB", ControlKind::TopLeftLabel, "Basy:", 1680, 600, 615, 255},
    {"lblBasy", ControlKind::TopLeftLabel, "", 1680, 840, 1335, 735},
    {"cmdJakDal", ControlKind::CaptionButton, "?", 4800, 0, 615, 255, SystemInactiveBorder},
    {"cmdPrvni", ControlKind::CaptionButton, "První", 6600, 120, 1095, 495},
    {"cmdPredchozi", ControlKind::CaptionButton, "Předchozí", 6600, 720, 1095, 495},
    {"cmdDalsi", ControlKind::CaptionButton, "Další", 6600, 1320, 1095, 495},
    {"cmdPosledni", ControlKind::CaptionButton, "Poslední", 6600, 1920, 1095, 495},
    {"cmdPredTlak", ControlKind::CaptionButton, "Před- chozí tlak", 6480, 2640, 615, 735},
    {"cmdPredTah", ControlKind::CaptionButton, "Před- chozí tah", 7200, 2640, 615, 735},
    {"cmdReadTlak", ControlKind::CaptionButton, "Tlak", 6480, 3480, 615, 2175},
    {"cmdReadTah", ControlKind::CaptionButton, "Tah", 7200, 3480, 615, 2175},
    {"Label2", ControlKind::TopLeftLabel, "Čtení", 6600, 5640, 975, 495},
    {"cmdDalsiTlak", ControlKind::CaptionButton, "Další tlak", 6480, 6120, 615, 975},
    {"cmdDalsiTah", ControlKind::CaptionButton, "Další tah", 7200, 6120, 615, 975},
    {"Combo1", ControlKind::PickOnlyCombo, "", 6480, 7320, 1455, 315},
    {"lblLadeni", ControlKind::TopLeftLabel, "", 6480, 7680, 1455, 255},
    {"cmdZvuk(0)", ControlKind::CaptionButton, "Mp3", 3240, 120, 615, 375, 0, false},
    {"cmdZvuk(1)", ControlKind::CaptionButton, "Midi", 3240, 600, 615, 375, 0, false},
    {"cmdZvuk(2)", ControlKind::CaptionButton, "Wav", 3240, 1080, 615, 375, 0, false},
};

}  // namespace

Form1Controls buildForm1Controls(QWidget* form) {
    const DesignedControls made(form, controlTable);
    auto button = [&made](const char* name) { return made.get<QPushButton>(name); };
    auto label = [&made](const char* name) { return made.get<QLabel>(name); };
    Form1Controls c{};
    c.cmdTimer = button("cmdTimer");
    c.lblTempo = label("lblTempo");
    c.Slider1 = made.get<QSlider>("Slider1");
    c.Label1 = label("Label1");
    c.lblTon = label("lblTon");
    c.cmdNovaSkladba = button("cmdNovaSkladba");
    c.cmdEdit = button("cmdEdit");
    c.cmdEndEdit = button("cmdEndEdit");
    c.cmdTlak = button("cmdTlak");
    c.Label3 = label("Label3");
    c.cmdTah = button("cmdTah");
    c.cmdUvolBasy = button("cmdUvolBasy");
    c.cmdUvolDiskant = button("cmdUvolDiskant");
    c.cmdUvolKnofl = button("cmdUvolKnofl");
    for (int i = 0; i < 5; ++i) {
        c.lblSlabika[static_cast<size_t>(i)] =
            made.get<QLabel>(QStringLiteral("lblSlabika(%1)").arg(i));
    }
    c.lblNoty = label("lblNoty");
    c.cmdTlakNoty = button("cmdTlakNoty");
    c.cmdTahNoty = button("cmdTahNoty");
    c.cmdUvolNoty = button("cmdUvolNoty");
    c.cmdUvolniPultony = button("cmdUvolniPultony");
    c.cmdOPrg = button("cmdOPrg");
    c.lblPopisD = label("lblPopisD");
    c.lblTony = label("lblTony");
    c.lblPopisB = label("lblPopisB");
    c.lblBasy = label("lblBasy");
    c.cmdJakDal = button("cmdJakDal");
    c.cmdPrvni = button("cmdPrvni");
    c.cmdPredchozi = button("cmdPredchozi");
    c.cmdDalsi = button("cmdDalsi");
    c.cmdPosledni = button("cmdPosledni");
    c.cmdPredTlak = button("cmdPredTlak");
    c.cmdPredTah = button("cmdPredTah");
    c.cmdReadTlak = button("cmdReadTlak");
    c.cmdReadTah = button("cmdReadTah");
    c.Label2 = label("Label2");
    c.cmdDalsiTlak = button("cmdDalsiTlak");
    c.cmdDalsiTah = button("cmdDalsiTah");
    c.Combo1 = made.get<QComboBox>("Combo1");
    c.lblLadeni = label("lblLadeni");
    for (int i = 0; i < 3; ++i) {
        c.cmdZvuk[static_cast<size_t>(i)] =
            made.get<QPushButton>(QStringLiteral("cmdZvuk(%1)").arg(i));
    }
    return c;
}

void showInTuningList(QComboBox* list, const QString& tuning) {
    list->setCurrentIndex(list->findText(tuning));
    list->setCurrentText(tuning);
}

}  // namespace views
