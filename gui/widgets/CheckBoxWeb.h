#pragma once
// The skin's check box: four pictures, ticked or not, with the pointer in or
// out; Value is its state and toggled() tells each change.

#include "gui/widgets/PictureButton.h"

class CheckBoxWeb : public PictureButton {
    Q_OBJECT
    Q_PROPERTY(QPixmap CheckedIn READ checkedIn WRITE setCheckedIn)
    Q_PROPERTY(QPixmap CheckedOut READ checkedOut WRITE setCheckedOut)
    Q_PROPERTY(QPixmap UnCheckedIn READ unCheckedIn WRITE setUnCheckedIn)
    Q_PROPERTY(QPixmap UnCheckedOut READ unCheckedOut WRITE setUnCheckedOut)
    Q_PROPERTY(bool Value READ value WRITE setValue)

public:
    explicit CheckBoxWeb(QWidget* parent = nullptr);

    bool value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }

    QPixmap checkedIn() const { return checkedIn_; }
    QPixmap checkedOut() const { return checkedOut_; }
    QPixmap unCheckedIn() const { return unCheckedIn_; }
    QPixmap unCheckedOut() const { return unCheckedOut_; }
    void setCheckedIn(const QPixmap& p) { assign(checkedIn_, p); }
    void setCheckedOut(const QPixmap& p) { assign(checkedOut_, p); }
    void setUnCheckedIn(const QPixmap& p) { assign(unCheckedIn_, p); }
    void setUnCheckedOut(const QPixmap& p) { assign(unCheckedOut_, p); }

    // Under the pointer without an "In" picture, the "Out" one of the same state.
    QPixmap currentPicture() const override;

protected:
    void paintFallback(QPainter& painter) override;

private:
    QPixmap checkedIn_, checkedOut_, unCheckedIn_, unCheckedOut_;
};
