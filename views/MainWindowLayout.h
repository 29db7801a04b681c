#pragma once

#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

// The command buttons, labels and lists of the main window, built from the design's table
// (captions and twip geometry). Keyboard and staff are built by their own classes.
namespace views {

struct Form1Controls {
    QPushButton* cmdTimer;
    QLabel* lblTempo;
    QSlider* Slider1;
    QLabel* Label1;
    QLabel* lblTon;
    QPushButton* cmdNovaSkladba;
    QPushButton* cmdEdit;
    QPushButton* cmdEndEdit;
    QPushButton* cmdTlak;
    QLabel* Label3;
    QPushButton* cmdTah;
    QPushButton* cmdUvolBasy;
    QPushButton* cmdUvolDiskant;
    QPushButton* cmdUvolKnofl;
    std::array<QLabel*, 5> lblSlabika;
    QLabel* lblNoty;
    QPushButton* cmdTlakNoty;
    QPushButton* cmdTahNoty;
    QPushButton* cmdUvolNoty;
    QPushButton* cmdUvolniPultony;
    QPushButton* cmdOPrg;
    QLabel* lblPopisD;
    QLabel* lblTony;
    QLabel* lblPopisB;
    QLabel* lblBasy;
    QPushButton* cmdJakDal;
    QPushButton* cmdPrvni;
    QPushButton* cmdPredchozi;
    QPushButton* cmdDalsi;
    QPushButton* cmdPosledni;
    QPushButton* cmdPredTlak;
    QPushButton* cmdPredTah;
    QPushButton* cmdReadTlak;
    QPushButton* cmdReadTah;
    QLabel* Label2;
    QPushButton* cmdDalsiTlak;
    QPushButton* cmdDalsiTah;
    QComboBox* Combo1;
    QLabel* lblLadeni;
    std::array<QPushButton*, 3> cmdZvuk;
};

Form1Controls buildForm1Controls(QWidget* form);

// Shows `tuning` in the tuning list; the list's current item follows, so that it opens on the
// tuning shown (none for a tuning the list does not hold).
void showInTuningList(QComboBox* list, const QString& tuning);

// The client area the design fills, in twips.
inline constexpr int FormWidth = 8055;
inline constexpr int FormHeight = 8055;

}  // namespace views
