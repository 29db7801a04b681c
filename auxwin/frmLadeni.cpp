#include "frmLadeni.h"

#include "keyboard/KeyboardGeometry.h"
#include "services/Twips.h"
#include "tones/TuningTable.h"
#include "tunings/TuningEditor.h"
#include "views/CaptionButton.h"
#include "views/WidgetPlacement.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include <map>

namespace auxwin {

namespace {

using tones::KeyboardSide;

enum class Kind { Label, Button, List, Edit, Spin };

struct ControlSpec {
    const char* name;
    Kind kind;
    const char* caption;
    int left, top, width, height;
};

constexpr int KeyboardLeft = 2880;
constexpr int FormWidth = KeyboardLeft + TuningKeyboard::WidthTwips;
constexpr int FormHeight = TuningKeyboard::HeightTwips;
constexpr int MaxShift = 48;

// Left, Top, Width, Height in twips; the keyboard fills the rest, right of them.
const ControlSpec controlTable[] = {
    {"lblSeznam", Kind::Label, "Ladění v databázi:", 120, 120, 2640, 255},
    {"lstLadeni", Kind::List, "", 120, 375, 2640, 2625},
    {"cmdPrejmenovat", Kind::Button, "Přejmenovat...", 120, 3090, 1275, 375},
    {"cmdSmazat", Kind::Button, "Smazat", 1485, 3090, 1275, 375},
    {"lblNove", Kind::Label, "Nové ladění jako kopie vybraného:", 120, 3660, 2640, 255},
    {"lblNazev", Kind::Label, "Název:", 120, 3975, 615, 255},
    {"txtNazev", Kind::Edit, "", 780, 3930, 1980, 315},
    {"lblPosun", Kind::Label, "Transponovat o", 120, 4335, 1095, 255},
    {"spnPosun", Kind::Spin, "", 1260, 4290, 735, 315},
    {"lblPultonu", Kind::Label, "půltónů", 2055, 4335, 705, 255},
    {"cmdPridat", Kind::Button, "Přidat", 1485, 4710, 1275, 375},
    {"lblKnoflik", Kind::Label, "Klikněte na knoflík klávesnice.", 120, 5340, 2640, 435},
    {"lblTlak", Kind::Label, "Tlak:", 120, 5865, 495, 255},
    {"txtTlak", Kind::Edit, "", 660, 5820, 1035, 315},
    {"lblTah", Kind::Label, "Tah:", 120, 6225, 495, 255},
    {"txtTah", Kind::Edit, "", 660, 6180, 1035, 315},
    {"cmdUlozit", Kind::Button, "Uložit tóny", 1785, 5820, 975, 675},
    {"lblNapoveda", Kind::Label,
     "Diskant: c, cis1, b2, … vždy s čárkou na konci. Basy: C, Fis, akordy (C), (Am). Prázdné "
     "pole: knoflík nástroj nemá.",
     120, 6630, 2640, 795},
    {"cmdZavrit", Kind::Button, "Zavřít", 1485, 7560, 1275, 375},
};

QWidget* makeControl(const ControlSpec& design, QWidget* form) {
    const QString caption = QString::fromUtf8(design.caption);
    QWidget* widget = nullptr;
    switch (design.kind) {
        case Kind::Label: {
            auto* label = new QLabel(caption, form);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        case Kind::Button:
            widget = new views::CaptionButton(caption, form);
            break;
        case Kind::List:
            widget = new QListWidget(form);
            break;
        case Kind::Edit:
            widget = new QLineEdit(form);
            break;
        case Kind::Spin: {
            auto* spin = new QSpinBox(form);
            spin->setRange(-MaxShift, MaxShift);
            widget = spin;
            break;
        }
    }
    widget->setObjectName(QString::fromLatin1(design.name));
    widget->setGeometry(services::twipRect(design.left, design.top, design.width, design.height));
    return widget;
}

QString buttonCaption(KeyboardButton button, keyboard::Numbering numbering) {
    if (button.side == KeyboardSide::Bass) {
        return QStringLiteral("Basový knoflík %1")
            .arg(keyboard::bassLabel(keyboard::BassButtonCount - button.number).caption);
    }
    const QString shown = keyboard::shownButtonNumber(button.number, numbering);
    return QStringLiteral("Knoflík %1 diskantu (%2)")
        .arg(shown, keyboard::trebleColumnName(keyboard::trebleColumnOf(button.number)));
}

}  // namespace

frmLadeni::frmLadeni(tunings::TuningEditor& editor, const KeyboardLook& look,
                     const QString& shownTuning, QWidget& mainWindow)
    : editor_(editor), look_(look), mainWindow_(mainWindow) {
    setWindowTitle(QStringLiteral("Ladění"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(services::twipsToPixels(FormWidth), services::twipsToPixels(FormHeight));
    views::useDesignFont(this);
    build(look);
    wire();
    const int shown = editor_.names().indexOf(shownTuning);
    fillList(shown < 0 ? 0 : shown);
    showButton();
}

void frmLadeni::build(const KeyboardLook& look) {
    std::map<QString, QWidget*> made;
    for (const ControlSpec& design : controlTable) {
        made[QString::fromLatin1(design.name)] = makeControl(design, this);
    }
    const auto control = [&made]<typename T>(const char* name, T*& into) {
        into = static_cast<T*>(made.at(QString::fromLatin1(name)));
    };
    control("lstLadeni", lstLadeni);
    control("cmdPrejmenovat", cmdPrejmenovat);
    control("cmdSmazat", cmdSmazat);
    control("txtNazev", txtNazev);
    control("spnPosun", spnPosun);
    control("cmdPridat", cmdPridat);
    control("lblKnoflik", lblKnoflik);
    control("txtTlak", txtTlak);
    control("txtTah", txtTah);
    control("cmdUlozit", cmdUlozit);
    control("cmdZavrit", cmdZavrit);
    keyboard = new TuningKeyboard(this, look);
    keyboard->move(services::twipsToPixels(KeyboardLeft), 0);
}

void frmLadeni::onCommand(QPushButton* button, void (frmLadeni::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { runCommand([this, handler] { (this->*handler)(); }); });
}

void frmLadeni::wire() {
    runCommand = [](const std::function<void()>& command) { command(); };
    onCommand(cmdPrejmenovat, &frmLadeni::cmdPrejmenovat_Click);
    onCommand(cmdSmazat, &frmLadeni::cmdSmazat_Click);
    onCommand(cmdPridat, &frmLadeni::cmdPridat_Click);
    onCommand(cmdUlozit, &frmLadeni::cmdUlozit_Click);
    onCommand(cmdZavrit, &frmLadeni::cmdZavrit_Click);
    // Enter in a field does what its button does.
    connect(txtNazev, &QLineEdit::returnPressed, cmdPridat, &QPushButton::click);
    connect(txtTlak, &QLineEdit::returnPressed, cmdUlozit, &QPushButton::click);
    connect(txtTah, &QLineEdit::returnPressed, cmdUlozit, &QPushButton::click);
    connect(lstLadeni, &QListWidget::currentRowChanged, this,
            [this] { runCommand([this] { lstLadeni_Click(); }); });
    keyboard->onClick = [this](KeyboardButton button) {
        runCommand([this, button] { Knoflik_Click(button); });
    };
}

QString frmLadeni::selectedTuning() const {
    const QListWidgetItem* item = lstLadeni->currentItem();
    return item ? item->text() : QString();
}

// The list refilled from the database, the row selected (the last one when it is beyond).
void frmLadeni::fillList(int row) {
    const QSignalBlocker quiet(lstLadeni);
    lstLadeni->clear();
    lstLadeni->addItems(editor_.names());
    lstLadeni->setCurrentRow(std::min(row, lstLadeni->count() - 1));
    lstLadeni_Click();
}

void frmLadeni::lstLadeni_Click() {
    if (const auto tuning = editor_.tuning(selectedTuning())) {
        keyboard->showTuning(*tuning);
    }
    showButton();
}

void frmLadeni::Knoflik_Click(KeyboardButton button) {
    keyboard->select(button);
    showButton();
    txtTlak->setFocus();
    txtTlak->selectAll();
}

// The selected button's caption and its tones as the tuning holds them.
void frmLadeni::showButton() {
    const auto button = keyboard->selected();
    for (QWidget* entry : std::initializer_list<QWidget*>{txtTlak, txtTah, cmdUlozit}) {
        entry->setEnabled(button.has_value());
    }
    if (!button) {
        lblKnoflik->setText(QStringLiteral("Klikněte na knoflík klávesnice."));
        return;
    }
    lblKnoflik->setText(buttonCaption(*button, look_.numbering));
    lblKnoflik->setToolTip(QStringLiteral("V příkazu mechik-cli tuning set: %1 %2")
                               .arg(button->side == KeyboardSide::Treble ? QStringLiteral("treble")
                                                                         : QStringLiteral("bass"))
                               .arg(button->number));
    const auto tuning = editor_.tuning(selectedTuning());
    const bool treble = button->side == KeyboardSide::Treble;
    const auto tone = [&](tones::Bellows bellows) {
        if (!tuning) {
            return QString();
        }
        return treble ? tuning->trebleTone(button->number, bellows)
                      : tuning->bassTone(button->number, bellows);
    };
    txtTlak->setText(tone(tones::Bellows::Push));
    txtTah->setText(tone(tones::Bellows::Pull));
}

void frmLadeni::cmdUlozit_Click() {
    const auto button = keyboard->selected();
    if (!button) {
        return;
    }
    // A refused entry stays as typed, for the player to mend.
    if (editor_.setTones(selectedTuning(), button->side, button->number, txtTlak->text(),
                         txtTah->text())) {
        lstLadeni_Click();
    }
}

void frmLadeni::cmdPridat_Click() {
    if (editor_.add(txtNazev->text(), selectedTuning(), spnPosun->value())) {
        txtNazev->clear();
        spnPosun->setValue(0);
        fillList(lstLadeni->count());
    }
}

void frmLadeni::cmdPrejmenovat_Click() {
    if (editor_.rename(selectedTuning())) {
        fillList(lstLadeni->currentRow());
    }
}

void frmLadeni::cmdSmazat_Click() {
    if (editor_.remove(selectedTuning())) {
        fillList(lstLadeni->currentRow());
    }
}

void frmLadeni::closeEvent(QCloseEvent* event) {
    mainWindow_.show();
    event->accept();
}

frmLadeni* mnuLadeni_Click(tunings::TuningEditor& editor, const KeyboardLook& look,
                           const QString& shownTuning, QWidget& mainWindow) {
    mainWindow.hide();
    auto* window = new frmLadeni(editor, look, shownTuning, mainWindow);
    window->show();
    return window;
}

}  // namespace auxwin
