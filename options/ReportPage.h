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

    QRadioButton* optHTML;
    QRadioButton* optText;
    QCheckBox* chkFileName;
    QCheckBox* chkPath;
    QCheckBox* chkDate;
    QCheckBox* chkSize;
    QCheckBox* chkDiskID;
    QCheckBox* chkComment;
    QCheckBox* chkBorder;
    ColorChooser* CCHeaderBackColor;
    ColorChooser* CCHeaderTextColor;
    ColorChooser* CCFieldBackColor;
    ColorChooser* CCFieldTextColor;
    QComboBox* cmbSeparator;

private:
    // Enables the controls of the chosen report style.
    void optStyle_Click();

    ReportOptions& report_;
    QGroupBox* fraHTML;
    QGroupBox* fraText;
};
