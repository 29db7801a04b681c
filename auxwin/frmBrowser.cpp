#include "frmBrowser.h"

#include "services/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QToolBar>

namespace auxwin {

frmBrowser::frmBrowser(QWidget& mainWindow) : mainWindow_(mainWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    resize(services::twipsToPixels(6540), services::twipsToPixels(5130));
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setGeometry(0, 0, services::twipsToPixels(6540), services::twipsToPixels(540));
    // The keys of the buttons, captioned in Czech.
    const std::pair<const char*, QString> buttons[] = {
        {"Back", QStringLiteral("Zpět")},     {"Forward", QStringLiteral("Vpřed")},
        {"Stop", QStringLiteral("Zastavit")}, {"Refresh", QStringLiteral("Obnovit")},
        {"Home", QStringLiteral("Domů")},     {"Search", QStringLiteral("Hledat")}};
    for (const auto& [key, caption] : buttons) {
        const QString name = QString::fromLatin1(key);
        QAction* button = tbToolBar->addAction(caption);
        button->setObjectName(name);
        connect(button, &QAction::triggered, this, [this, name] { tbToolBar_ButtonClick(name); });
    }
    picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    picAddress->setGeometry(services::twipRect(0, 540, 6540, 675));
    lblAddress = new QLabel(QStringLiteral("&Adresa:"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    lblAddress->setGeometry(services::twipRect(45, 60, 3075, 255));
    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    cboAddress->setGeometry(services::twipRect(45, 300, 3795, 315));
    lblAddress->setBuddy(cboAddress);
    brwWebBrowser = new QTextBrowser(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setGeometry(services::twipRect(50, 1215, 5393, 3734));
    brwWebBrowser->setOpenExternalLinks(true);
    timTimer.setInterval(5);

    connect(&timTimer, &QTimer::timeout, this, [this] { timTimer_Timer(); });
    // Enter in the address box, or an entry picked from its list.
    connect(cboAddress->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { cboAddress_Click(); });
    connect(cboAddress, &QComboBox::activated, this, [this](int) { cboAddress_Click(); });
    connect(brwWebBrowser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        setWindowTitle(LocationName());
        cboAddress->setEditText(url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile())
                                                  : url.toString());
    });
}

void frmBrowser::Form_Load() {
    show();
    Form_Resize();
    const QRect label = lblAddress->geometry();
    cboAddress->move(services::twipsToPixels(50),
                     label.y() + label.height() + services::twipsToPixels(15));
}

void frmBrowser::Form_Resize() {
    const int width = this->width() * services::TwipsPerPixel;
    const int height = this->height() * services::TwipsPerPixel;
    if (width <= 101) {
        return;
    }
    // The address bar spans the window, as a bar aligned to its top does.
    picAddress->resize(this->width(), picAddress->height());
    const QRect address = picAddress->geometry();
    cboAddress->resize(services::twipsToPixels(width - 100), cboAddress->height());
    brwWebBrowser->resize(
        services::twipsToPixels(width - 100),
        services::twipsToPixels(height - (address.bottom() + 1) * services::TwipsPerPixel - 100));
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

QString frmBrowser::LocationName() const {
    const QString title = brwWebBrowser->documentTitle();
    if (!title.isEmpty()) {
        return title;
    }
    return QFileInfo(brwWebBrowser->source().path()).fileName();
}

void frmBrowser::Navigate(const QString& address) {
    const QUrl url = QFileInfo::exists(address) ? QUrl::fromLocalFile(address)
                                                : QUrl::fromUserInput(address, QDir::currentPath());
    brwWebBrowser->setSource(url);
    setWindowTitle(LocationName());
}

void frmBrowser::cboAddress_Click() {
    Navigate(cboAddress->currentText());
}

void frmBrowser::tbToolBar_ButtonClick(const QString& key) {
    if (key == QStringLiteral("Back")) {
        brwWebBrowser->backward();
    } else if (key == QStringLiteral("Forward")) {
        brwWebBrowser->forward();
    } else if (key == QStringLiteral("Refresh")) {
        brwWebBrowser->reload();
    } else if (key == QStringLiteral("Home")) {
        brwWebBrowser->home();
    } else if (key == QStringLiteral("Search")) {
        timTimer.start();
    } else if (key == QStringLiteral("Stop")) {
        timTimer.stop();
        setWindowTitle(LocationName());
    }
}

// A local page is never busy loading: the first tick shows its name.
void frmBrowser::timTimer_Timer() {
    timTimer.stop();
    setWindowTitle(LocationName());
}

void frmBrowser::closeEvent(QCloseEvent* event) {
    mainWindow_.show();
    event->accept();
}

frmBrowser* mnuhtm_Click(QWidget& mainWindow, const QString& programFolder) {
    mainWindow.hide();
    auto* browser = new frmBrowser(mainWindow);
    browser->Form_Load();
    browser->Navigate(QDir(programFolder).filePath(QStringLiteral("Mechík.htm")));
    return browser;
}

}  // namespace auxwin
