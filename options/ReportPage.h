#pragma once
// The Report page: the columns, HTML or text, the table border and the four
// colours of an HTML report, the column separator of a text report. The
// report settings take the page's values when the dialog closes.

#include "options/OptionPage.h"

struct ReportOptions;
class ColorChooser;
class QCheckBox;
class QComboBox;
class QRadioButton;

class ReportPage : public OptionPage {
    Q_OBJECT
public:
    ReportPage(ReportOptions& report, QWidget* parent = nullptr);

    void storeOnClose() override;

    QRadioButton* htmlStyle;
    QRadioButton* textStyle;
    QCheckBox* withFileName;
    QCheckBox* withPath;
    QCheckBox* withDate;
    QCheckBox* withSize;
    QCheckBox* withDiskId;
    QCheckBox* withComment;
    QCheckBox* withBorder;
    ColorChooser* headerBackColor;
    ColorChooser* headerTextColor;
    ColorChooser* fieldBackColor;
    ColorChooser* fieldTextColor;
    QComboBox* separatorBox;

private:
    // Enables the controls of the chosen report style.
    void enableChosenStyle();

    ReportOptions& report_;
    QGroupBox* htmlGroup;
    QGroupBox* textGroup;
};
