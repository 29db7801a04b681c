#include "MainWindowLayout.h"

#include "CaptionButton.h"
#include "VbColour.h"
#include "services/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <map>

namespace views {

namespace {

enum class Kind { Button, Label, Combo, Slider };

struct ControlSpec {
    const char* name;
    Kind kind;
    const char* caption;
    int left, top, width, height;
    quint32 backColour = 0;  // 0: the system's
    bool visible = true;
};

// Left, Top, Width, Height in twips, as designed.
const ControlSpec controlTable[] = {
    {"cmdTimer", Kind::Button, "Automat", 0, 0, 735, 255},
    {"Slider1", Kind::Slider, "", 1200, 0, 1095, 240},
    {"lblTempo", Kind::Label, "<--- Tempo --->", 1200, 240, 1095, 255},
    {"Label1", Kind::Label, "Pořadí hmatu", 120, 240, 975, 255},
    {"lblTon", Kind::Label, "1", 120, 480, 735, 375},
    {"cmdNovaSkladba", Kind::Button, "Nová píseň", 120, 960, 975, 495},
    {"cmdEdit", Kind::Button, "Otevřít", 120, 1560, 975, 495},
    {"cmdEndEdit", Kind::Button, "Konec písničky", 120, 2160, 975, 495},
    {"cmdTlak", Kind::Button, "> Tlak", 120, 2880, 975, 375, LightOrange},
    {"Label3", Kind::Label, "Zápis", 120, 3240, 975, 525},
    {"cmdTah", Kind::Button, "< Tah", 120, 3840, 975, 375, LightOrange},
    {"cmdUvolBasy", Kind::Button, "Uvolnit basy", 0, 4440, 1215, 255},
    {"cmdUvolDiskant", Kind::Button, "Uvolnit diskant", 0, 4800, 1215, 255},
    {"cmdUvolKnofl", Kind::Button, "Uvolnit vše", 0, 5160, 1215, 255},
    {"lblSlabika(0)", Kind::Label, "", 120, 5400, 975, 255},
    {"lblSlabika(1)", Kind::Label, "", 120, 5760, 975, 255},
    {"lblSlabika(2)", Kind::Label, "", 120, 6120, 975, 255},
    {"lblSlabika(3)", Kind::Label, "", 120, 6480, 975, 255},
    {"lblSlabika(4)", Kind::Label, "", 120, 6840, 975, 255},
    {"lblNoty", Kind::Label, "Noty pro zápis skladby.", 1320, 5520, 1695, 255},
    {"cmdTlakNoty", Kind::Button, "> Tlak", 1440, 6120, 975, 375, LightOrange},
    {"cmdTahNoty", Kind::Button, "< Tah", 1440, 6600, 975, 375, LightOrange},
    {"cmdUvolNoty", Kind::Button, "Uvolnit noty", 1320, 7080, 1095, 375},
    {"cmdUvolniPultony", Kind::Button, "", 2400, 7080, 255, 375},
    {"cmdOPrg", Kind::Button, "O programu", 120, 7200, 975, 255},
    {"lblPopisD", Kind::Label, "Diskant:", 600, 7560, 735, 255},
    {"lblTony", Kind::Label, "", 1440, 7560, 2415, 375},
    {"lblPopisB", Kind::Label, "Basy:", 1680, 600, 615, 255},
    {"lblBasy", Kind::Label, "", 1680, 840, 1335, 735},
    {"cmdJakDal", Kind::Button, "?", 4800, 0, 615, 255, SystemInactiveBorder},
    {"cmdPrvni", Kind::Button, "První", 6600, 120, 1095, 495},
    {"cmdPredchozi", Kind::Button, "Předchozí", 6600, 720, 1095, 495},
    {"cmdDalsi", Kind::Button, "Další", 6600, 1320, 1095, 495},
    {"cmdPosledni", Kind::Button, "Poslední", 6600, 1920, 1095, 495},
    {"cmdPredTlak", Kind::Button, "Před- chozí tlak", 6480, 2640, 615, 735},
    {"cmdPredTah", Kind::Button, "Před- chozí tah", 7200, 2640, 615, 735},
    {"cmdReadTlak", Kind::Button, "Tlak", 6480, 3480, 615, 2175},
    {"cmdReadTah", Kind::Button, "Tah", 7200, 3480, 615, 2175},
    {"Label2", Kind::Label, "Čtení", 6600, 5640, 975, 495},
    {"cmdDalsiTlak", Kind::Button, "Další tlak", 6480, 6120, 615, 975},
    {"cmdDalsiTah", Kind::Button, "Další tah", 7200, 6120, 615, 975},
    {"Combo1", Kind::Combo, "", 6480, 7320, 1455, 315},
    {"lblLadeni", Kind::Label, "", 6480, 7680, 1455, 255},
    {"cmdZvuk(0)", Kind::Button, "Mp3", 3240, 120, 615, 375, 0, false},
    {"cmdZvuk(1)", Kind::Button, "Midi", 3240, 600, 615, 375, 0, false},
    {"cmdZvuk(2)", Kind::Button, "Wav", 3240, 1080, 615, 375, 0, false},
};

QWidget* create(const ControlSpec& design, QWidget* form) {
    const QString caption = QString::fromUtf8(design.caption);
    QWidget* widget = nullptr;
    switch (design.kind) {
        case Kind::Button:
            widget = new CaptionButton(caption, form);
            break;
        case Kind::Label: {
            auto* label = new QLabel(caption, form);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case Kind::Combo: {
            // Editable so that it can show a song's tuning that is not in the list; the player
            // only picks from the list.
            auto* combo = new QComboBox(form);
            combo->setEditable(true);
            combo->lineEdit()->setReadOnly(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            widget = combo;
            break;
        }
        case Kind::Slider: {
            auto* slider = new QSlider(Qt::Horizontal, form);
            slider->setRange(-5, 5);
            slider->setValue(0);
            slider->setTickPosition(QSlider::TicksBelow);
            widget = slider;
            break;
        }
    }
    widget->setObjectName(QString::fromLatin1(design.name));
    widget->setGeometry(services::twipRect(design.left, design.top, design.width, design.height));
    if (design.backColour) {
        setBackColour(widget, design.backColour);
    }
    widget->setVisible(design.visible);
    return widget;
}

}  // namespace

Form1Controls buildForm1Controls(QWidget* form) {
    std::map<QString, QWidget*> made;
    for (const ControlSpec& design : controlTable) {
        made[QString::fromLatin1(design.name)] = create(design, form);
    }
    auto button = [&made](const char* name) {
        return static_cast<QPushButton*>(made.at(QString::fromLatin1(name)));
    };
    auto label = [&made](const char* name) {
        return static_cast<QLabel*>(made.at(QString::fromLatin1(name)));
    };
    Form1Controls c{};
    c.cmdTimer = button("cmdTimer");
    c.lblTempo = label("lblTempo");
    c.Slider1 = static_cast<QSlider*>(made.at(QStringLiteral("Slider1")));
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
            static_cast<QLabel*>(made.at(QStringLiteral("lblSlabika(%1)").arg(i)));
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
    c.Combo1 = static_cast<QComboBox*>(made.at(QStringLiteral("Combo1")));
    c.lblLadeni = label("lblLadeni");
    for (int i = 0; i < 3; ++i) {
        c.cmdZvuk[static_cast<size_t>(i)] =
            static_cast<QPushButton*>(made.at(QStringLiteral("cmdZvuk(%1)").arg(i)));
    }
    return c;
}

void showInTuningList(QComboBox* list, const QString& tuning) {
    list->setCurrentIndex(list->findText(tuning));
    list->setCurrentText(tuning);
}

}  // namespace views
