// Mechík: the window of Knoflovka. The main window with the keyboard comes next; until then
// the program says so instead of showing an empty frame.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mechik"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Knoflovka"));
    auto* label = new QLabel(QStringLiteral(
        "Mechík\n\nHlavní okno s klávesnicí se teprve připravuje.\n"
        "Tato verze umí zatím jen pracovat se sešity .xls (mechik-cli dump)."));
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(24);
    window.setCentralWidget(label);
    window.resize(480, 200);
    window.show();
    return QApplication::exec();
}
