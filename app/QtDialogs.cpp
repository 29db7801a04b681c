#include "QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace app {

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtDialogs::message(const QString& title, const QString& text, MessageIcon icon,
                                 MessageButtons buttons) {
    QMessageBox box(toQt(icon), title.isEmpty() ? ProgramTitle : title, text, QMessageBox::NoButton,
                    parent_);
    // A path or an address in a message can be copied from it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    switch (buttons) {
        case MessageButtons::Ok:
            box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.exec();
            return MessageAnswer::Ok;
        case MessageButtons::OkCancel: {
            QAbstractButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.addButton(QStringLiteral("Storno"), QMessageBox::RejectRole);
            box.exec();
            return box.clickedButton() == ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        }
        case MessageButtons::YesNo: {
            QAbstractButton* yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
            box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
            box.exec();
            return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
        }
        case MessageButtons::YesNoCancel: {
            QAbstractButton* yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
            QAbstractButton* no = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
            box.addButton(QStringLiteral("Storno"), QMessageBox::RejectRole);
            box.exec();
            if (box.clickedButton() == yes) {
                return MessageAnswer::Yes;
            }
            return box.clickedButton() == no ? MessageAnswer::No : MessageAnswer::Cancel;
        }
    }
    return MessageAnswer::Ok;
}

std::optional<QString> QtDialogs::inputText(const QString& title, const QString& prompt,
                                            const QString& defaultText) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title.isEmpty() ? ProgramTitle : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Storno"));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

namespace {

QString qtFilter(const QString& filterName, const QString& patterns) {
    return filterName + QStringLiteral(" (") + QString(patterns).replace(u';', u' ') + u')';
}

}  // namespace

std::optional<QString> QtDialogs::chooseFileToSave(const QString& title, const QString& suggested,
                                                   const QString& filterName,
                                                   const QString& patterns) {
    const QString path =
        QFileDialog::getSaveFileName(parent_, title, suggested, qtFilter(filterName, patterns));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> QtDialogs::chooseFileToOpen(const QString& title, const QString& startFolder,
                                                   const QString& filterName,
                                                   const QString& patterns) {
    const QString path =
        QFileDialog::getOpenFileName(parent_, title, startFolder, qtFilter(filterName, patterns));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace app
