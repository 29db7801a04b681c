#include "frmZmenaCesty.h"

#include "services/Dialogs.h"
#include "services/SpreadsheetConnection.h"
#include "services/Twips.h"
#include "views/DesignedControls.h"
#include "views/WidgetPlacement.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace auxwin {

namespace {

using views::ControlDesign;
using views::ControlKind;

bool FolderExists(const QString& path) {
    return QFileInfo(path).isDir();
}

const QString ResetMarker = QStringLiteral("X:\\Nastavení bylo resetováno !!");

// Left, Top, Width, Height in twips, as designed. The captions of the first two options, the
// typed path's start and the working folder in Label2 are known only at run time.
const ControlDesign design[] = {
    {"Label1", ControlKind::Label,
     "Aktuální nastavení netýkající se Mechíka ale přímo Microsoft Excelu je do složky", 240, 120,
     5775, 255},
    {"lblStaraCesta", ControlKind::Label, "", 240, 360, 5775, 255},
    {"Label2", ControlKind::WrappedLabel,
     "Jestliže si přejete toto nastavení změnit vyberte jednu z předvolených možností,  u té "
     "poslední vyplňte existující cestu podle Vašeho specifického požadavku. Špatně nastavená "
     "cesta může zapříčinit pracnější postup při otvírání a také ukládání Vašich dokumentů v "
     "aplikaci Excel. To neplatí pro písničky Mechíka, které jsou vždy ukládány do %1 bez ohledu "
     "na toto nastavení.",
     240, 720, 5775, 1215},
    {"Option1(0)", ControlKind::Radio, "", 240, 2040, 2775, 255},
    {"Option1(1)", ControlKind::Radio, "", 240, 2400, 2775, 255},
    {"Option1(2)", ControlKind::Radio, "Jiná cesta", 240, 2760, 1095, 255},
    {"txtCesta", ControlKind::LineEdit, "", 1440, 2760, 3135, 285},
    {"Option1(3)", ControlKind::Radio,
     "Cesta z doby, kdy byl Excel na PC nainstalován s ohledem na profil uživatele.", 240, 3120,
     5775, 255},
    {"OKButton", ControlKind::Button, "OK", 4680, 2040, 1215, 375},
    {"CancelButton", ControlKind::Button, "Storno", 4680, 2520, 1215, 375},
};

}  // namespace

QString frmZmenaCesty::presetPath(int index) {
#ifdef Q_OS_WIN
    return index == 0 ? QStringLiteral("C:\\Dokumenty") : QStringLiteral("D:\\Dokumenty");
#else
    return index == 0 ? QDir::home().filePath(QStringLiteral("Dokumenty")) : QDir::homePath();
#endif
}

frmZmenaCesty::frmZmenaCesty(services::SpreadsheetConnection& connection,
                             services::Dialogs& dialogs, QWidget& mainWindow)
    : connection_(connection), dialogs_(dialogs), mainWindow_(mainWindow) {
    setWindowTitle(
        QStringLiteral("Změna implicitní cesty při otvírání souborů v Microsoft Excelu."));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(services::twipsToPixels(6030), services::twipsToPixels(3480));
    views::useDesignFont(this);
    const views::DesignedControls controls(this, design);
    Label1 = controls.get<QLabel>("Label1");
    lblStaraCesta = controls.get<QLabel>("lblStaraCesta");
    Label2 = controls.get<QLabel>("Label2");
    Label2->setText(Label2->text().arg(QDir::toNativeSeparators(connection.WorkingFolder)));
    for (int i = 0; i < 4; ++i) {
        Option1[static_cast<size_t>(i)] =
            controls.get<QRadioButton>(QStringLiteral("Option1(%1)").arg(i));
    }
    Option1[0]->setText(QDir::toNativeSeparators(presetPath(0)));
    Option1[1]->setText(QDir::toNativeSeparators(presetPath(1)));
    txtCesta = controls.get<QLineEdit>("txtCesta");
    txtCesta->setText(QDir::toNativeSeparators(QDir::rootPath()));
    Option1[0]->setChecked(true);
    OKButton = controls.get<QPushButton>("OKButton");
    CancelButton = controls.get<QPushButton>("CancelButton");
    views::shrinkFontToFit(Label1, Label1->text());
    for (QRadioButton* option : Option1) {
        views::shrinkFontToFit(option, option->text(), 22);
    }
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void frmZmenaCesty::Form_Load() {
    lblStaraCesta->setText(QDir::toNativeSeparators(connection_.SavedDefaultFilePath));
}

void frmZmenaCesty::OKButton_Click() {
    QString path;
    if (Option1[0]->isChecked() || Option1[1]->isChecked()) {
        path = presetPath(Option1[0]->isChecked() ? 0 : 1);
    } else if (Option1[2]->isChecked()) {
        path = txtCesta->text();
    } else if (Option1[3]->isChecked()) {
        connection_.SavedDefaultFilePath = ResetMarker;
        dialogs_.message(
            QStringLiteral("Reset nastavení"),
            QStringLiteral("Po ukončení Mechíka můžete zkontrolovat, zda volba splnila "
                           "Vaše očekávání."),
            services::MessageIcon::Information);
        close();
        return;
    } else {
        dialogs_.message(QStringLiteral("Chyba, nic nezadáno."),
                         QStringLiteral("Cesta nenastavena, nesprávné zadání."),
                         services::MessageIcon::Critical);
        return;
    }
    if (path.isEmpty()) {
        close();
        return;
    }
    if (!FolderExists(path)) {
        dialogs_.message(QStringLiteral("Neexistující složka"),
                         QStringLiteral("Požadovanou změnu nebylo možno provést."),
                         services::MessageIcon::Critical);
        return;
    }
    connection_.SavedDefaultFilePath = path;
    dialogs_.message(QStringLiteral("Změna konfigurace Excelu z Mechíka."),
                     QStringLiteral("Jako výchozí pro aplikaci Excel byla nastavena cesta do ") +
                         QDir::toNativeSeparators(path),
                     services::MessageIcon::Information);
    close();
}

void frmZmenaCesty::closeEvent(QCloseEvent* event) {
    mainWindow_.show();
    event->accept();
}

frmZmenaCesty* mnuNastavCestu_Click(services::SpreadsheetConnection& connection,
                                    services::Dialogs& dialogs, QWidget& mainWindow) {
    mainWindow.hide();
    auto* window = new frmZmenaCesty(connection, dialogs, mainWindow);
    window->Form_Load();
    window->show();
    return window;
}

}  // namespace auxwin
