#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;

// The about box: the program's logo with the version number and the status icon in its
// top-left corner. A click on the logo closes it.
class TAbout_Form : public QDialog {
    Q_OBJECT
public:
    explicit TAbout_Form(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    static QPixmap LogoWithCornerIcon();

    QLabel* Logo_Image = nullptr;
    QLabel* Version = nullptr;
};
