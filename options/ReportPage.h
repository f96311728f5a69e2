#pragma once
// The Report page: the columns, HTML or text, the table border and the four
// colours of an HTML report, the column separator of a text report. The
// report settings take the page's values when the page applies them.

#include "options/OptionPage.h"

#include <cstdint>
#include <utility>
#include <vector>

struct ReportOptions;
class ColorChooser;
class QCheckBox;
class QComboBox;
class QRadioButton;

class ReportPage : public OptionPage {
    Q_OBJECT
public:
    explicit ReportPage(ReportOptions& report, QWidget* parent = nullptr);

    void apply() override;

private:
    void load();
    // Enables the controls of the chosen report style.
    void enableChosenStyle();

    ReportOptions& report_;
    QRadioButton* htmlStyle_ = nullptr;
    QRadioButton* textStyle_ = nullptr;
    QGroupBox* htmlGroup_ = nullptr;
    QGroupBox* textGroup_ = nullptr;
    QComboBox* separatorBox_ = nullptr;
    // Each control with the report setting it shows.
    std::vector<std::pair<QCheckBox*, int ReportOptions::*>> flags_;
    std::vector<std::pair<ColorChooser*, std::int32_t ReportOptions::*>> colours_;
};
