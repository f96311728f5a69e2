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
    void apply() override;

private:
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

    Group makeGroup(const char* frame, const char* suffix, FontSetting& setting, const QStringList& families);
    // The setting into the group's controls, and the sample drawn in it.
    static void load(const Group& g);
    void update(const Group& g);
    void applyToWindows();

    AppContext& app_;
    Group label_, title_;
};
