#pragma once

// What the tests of the main window and the windows beside it read off the screen: the items
// of a list, the window a menu command opened, the message a player is shown.
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <type_traits>

namespace window_checks {

using services::MessageAnswer;
using services::MessageButtons;
using services::MessageIcon;
using Message = testing_support::ScriptedDialogs::Message;

inline Message exclamation(const QString& title, const QString& text) {
    return {title, text, MessageIcon::Exclamation, MessageButtons::Ok};
}
inline Message information(const QString& title, const QString& text) {
    return {title, text, MessageIcon::Information, MessageButtons::Ok};
}
inline Message critical(const QString& title, const QString& text) {
    return {title, text, MessageIcon::Critical, MessageButtons::Ok};
}

// The items of a combo box or a list, the tabs of a tab widget, in order.
template <typename W>
QStringList texts(const W* widget) {
    QStringList items;
    for (int i = 0; widget && i < widget->count(); ++i) {
        if constexpr (std::is_base_of_v<QComboBox, W>) {
            items << widget->itemText(i);
        } else if constexpr (std::is_base_of_v<QListWidget, W>) {
            items << widget->item(i)->text();
        } else {
            items << widget->tabText(i);
        }
    }
    return items;
}

// The captions of actions, a separator as "-".
inline QStringList texts(const QList<QAction*>& actions) {
    QStringList items;
    for (const QAction* action : actions) {
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

// The window of type W a menu command has shown.
template <typename W>
W* shownWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<W*>(top); window && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// The bars of the keyboard model shown on `window`, as their numbers: "01234" for the two-row
// model, "012345" for the club model.
inline QString shownBars(const QWidget& window) {
    QString shown;
    for (int i = 0; i < 6; ++i) {
        if (!window.findChild<QPushButton*>(QStringLiteral("cmdZabrana(%1)").arg(i))->isHidden()) {
            shown += QString::number(i);
        }
    }
    return shown;
}
inline QLabel* numberLabel(const QWidget& window, int k) {
    return window.findChild<QLabel*>(QStringLiteral("lblCisKnofl(%1)").arg(k));
}

// The player picks a tuning in the main window's list.
inline void pickTuning(const views::Form1Controls& c, const QString& tuning) {
    c.Combo1->setCurrentIndex(c.Combo1->findText(tuning));
    Q_EMIT c.Combo1->activated(c.Combo1->currentIndex());
}

}  // namespace window_checks
