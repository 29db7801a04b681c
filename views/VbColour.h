#pragma once

#include <QColor>
#include <QWidget>

// Colours as the window's design gives them: &HBBGGRR, or a system colour &H800000nn.
namespace views {

inline constexpr quint32 SystemInactiveBorder = 0x8000000B;  // cmdJakDal at rest
inline constexpr quint32 SystemTooltipBack = 0x80000018;     // the model bars
inline constexpr quint32 LightOrange = 0x0080C0FF;           // the buttons that write a grip
inline constexpr quint32 PushColour = 0x008080FF;            // a push grip was shown last
inline constexpr quint32 PullColour = 0x00FF8080;            // a pull grip was shown last

QColor toQColor(quint32 vbColour);

// Paints the widget's background and remembers the designed value in the property
// "backColor", which is what the program's logic and its tests read back.
void setBackColour(QWidget* widget, quint32 vbColour);
quint32 backColour(const QWidget* widget);

}  // namespace views
