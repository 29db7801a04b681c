#include "QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace views {

namespace {

QMessageBox::Icon toQt(services::MessageIcon icon) {
    switch (icon) {
        case services::MessageIcon::Critical:
            return QMessageBox::Critical;
        case services::MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case services::MessageIcon::Information:
            return QMessageBox::Information;
        case services::MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

services::MessageAnswer QtDialogs::message(const QString& title, const QString& text,
                                           services::MessageIcon icon,
                                           services::MessageButtons buttons) {
    QMessageBox box(toQt(icon), title.isEmpty() ? services::ProgramTitle : title, text,
                    QMessageBox::NoButton, parent_);
    // A path or an address in a message can be copied from it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    switch (buttons) {
        case services::MessageButtons::Ok:
            box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.exec();
            return services::MessageAnswer::Ok;
        case services::MessageButtons::OkCancel: {
            QAbstractButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.addButton(QStringLiteral("Storno"), QMessageBox::RejectRole);
            box.exec();
            return box.clickedButton() == ok ? services::MessageAnswer::Ok
                                             : services::MessageAnswer::Cancel;
        }
        case services::MessageButtons::YesNo: {
            QAbstractButton* yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
            box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
            box.exec();
            return box.clickedButton() == yes ? services::MessageAnswer::Yes
                                              : services::MessageAnswer::No;
        }
        case services::MessageButtons::YesNoCancel: {
            QAbstractButton* yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
            QAbstractButton* no = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
            box.addButton(QStringLiteral("Storno"), QMessageBox::RejectRole);
            box.exec();
            if (box.clickedButton() == yes) {
                return services::MessageAnswer::Yes;
            }
            return box.clickedButton() == no ? services::MessageAnswer::No
                                             : services::MessageAnswer::Cancel;
        }
    }
    return services::MessageAnswer::Ok;
}

std::optional<QString> QtDialogs::inputText(const QString& title, const QString& prompt,
                                            const QString& defaultText) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title.isEmpty() ? services::ProgramTitle : title);
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

}  // namespace views
