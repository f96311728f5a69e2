#pragma once
// The Font page: the font of the windows' labels and the font of their
// titles, each with a live sample. Every change goes into the font setting
// at once; the windows take both fonts when either Apply button is pressed.
// A stored font that is not installed (or a size not offered) stays as
// stored, listed as it is, until another is picked.

#include "options/OptionPage.h"

struct AppContext;
struct FontSetting;
class ColorChooser;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class FontPage : public OptionPage {
    Q_OBJECT
public:
    explicit FontPage(AppContext& app, QWidget* parent = nullptr);

    // The page's values into the font settings, and the samples drawn.
    void updateLabelFont() { update(label_); }
    void updateTitleFont() { update(title_); }
    void storeOnClose() override;

    struct Group {
        FontSetting* setting = nullptr;
        QComboBox* font = nullptr; // cmbFont<Label|Title>
        QComboBox* size = nullptr; // cmbSize...
        QCheckBox* bold = nullptr;
        QCheckBox* italic = nullptr;
        ColorChooser* colour = nullptr; // CC...
        QLabel* sample = nullptr;       // lblSample...
        QPushButton* apply = nullptr;   // cmdApply...
    };
    const Group& labelGroup() const { return label_; }
    const Group& titleGroup() const { return title_; }

private:
    Group makeGroup(const char* frame, const char* suffix, FontSetting& setting, const QStringList& families);
    void update(const Group& g);
    void applyToWindows();

    AppContext& app_;
    Group label_, title_;
};
