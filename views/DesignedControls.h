#pragma once

#include <QString>
#include <QtGlobal>

#include <map>
#include <span>

class QWidget;

// The controls of a designed window, built from its table: name, kind, caption and twip
// geometry, with an optional back colour and a start hidden.
namespace views {

enum class ControlKind {
    Label,
    WrappedLabel,
    TopLeftLabel,  // wraps and keeps its text in the top-left corner
    Button,
    CaptionButton,  // CaptionButton.h
    Combo,
    PickOnlyCombo,  // shows any text, but the player only picks from the list
    TempoSlider,    // -5..5, ticks below
    Radio,
    LineEdit,
};

struct ControlDesign {
    const char* name;
    ControlKind kind;
    const char* caption;  // a caption known only at run time is set by the window
    int left, top, width, height;
    quint32 backColour = 0;  // VbColour.h; 0: the system's
    bool visible = true;
};

// Made in the table's order, so a later control lies above an earlier one where they overlap.
class DesignedControls {
public:
    DesignedControls(QWidget* window, std::span<const ControlDesign> table);

    template <typename T>
    T* get(const QString& name) const {
        return static_cast<T*>(made_.at(name));
    }

private:
    std::map<QString, QWidget*> made_;
};

}  // namespace views
