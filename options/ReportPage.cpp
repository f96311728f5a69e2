#include "options/ReportPage.h"

#include "engine/report/ReportOptions.h"
#include "gui/widgets/ColorChooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// The columns a report may include, by the check boxes that choose them.
constexpr std::pair<const char*, int ReportOptions::*> Columns[] = {
    {"chkFileName", &ReportOptions::IncludeFile}, {"chkPath", &ReportOptions::IncludeDir},
    {"chkDate", &ReportOptions::IncludeDate},     {"chkSize", &ReportOptions::IncludeSize},
    {"chkDiskID", &ReportOptions::IncludeDisk},   {"chkComment", &ReportOptions::IncludeComment}};

// The colours of an HTML report: the label, the chooser, the setting.
struct ColourRow {
    const char* label;
    const char* chooser;
    std::int32_t ReportOptions::*colour;
};
constexpr ColourRow Colours[] = {{"lblHeaderBackColor", "CCHeaderBackColor", &ReportOptions::HeaderBackColor},
                                 {"lblHeaderTextColor", "CCHeaderTextColor", &ReportOptions::HeaderTextColor},
                                 {"lblFieldBackColor", "CCFieldBackColor", &ReportOptions::FieldBackColor},
                                 {"lblFieldTextColor", "CCFieldTextColor", &ReportOptions::FieldTextColor}};
} // namespace

ReportPage::ReportPage(ReportOptions& report, QWidget* parent) : OptionPage("fraReport", parent), report_(report)
{
    auto* formatLabel = MakeControl<QLabel>(this, "lblReportFormat");
    htmlStyle_ = MakeControl<QRadioButton>(this, "optHTML");
    textStyle_ = MakeControl<QRadioButton>(this, "optText");

    auto* includeGroup = MakeControl<QGroupBox>(this, "fraInclude");
    auto* include = new QGridLayout(includeGroup);
    for (auto [name, flag] : Columns) {
        auto* box = MakeControl<QCheckBox>(includeGroup, name);
        const int i = int(flags_.size());
        include->addWidget(box, i % 3, i / 3);
        flags_.emplace_back(box, flag);
    }

    htmlGroup_ = MakeControl<QGroupBox>(this, "fraHTML");
    auto* html = new QGridLayout(htmlGroup_);
    auto* withBorder = MakeControl<QCheckBox>(htmlGroup_, "chkBorder");
    html->addWidget(withBorder, 0, 0, 1, 2);
    flags_.emplace_back(withBorder, &ReportOptions::Border);
    int row = 1;
    for (const ColourRow& c : Colours) {
        html->addWidget(MakeControl<QLabel>(htmlGroup_, c.label), row, 0);
        auto* chooser = MakeControl<ColorChooser>(htmlGroup_, c.chooser);
        html->addWidget(chooser, row++, 1);
        colours_.emplace_back(chooser, c.colour);
    }

    textGroup_ = MakeControl<QGroupBox>(this, "fraText");
    separatorBox_ = MakeControl<QComboBox>(textGroup_, "cmbSeparator");
    separatorBox_->setEditable(true);
    separatorBox_->setMinimumWidth(56);
    separatorBox_->addItems({";", ":", ",", "$", "!", "\\"});
    auto* text = new QGridLayout(textGroup_);
    text->addWidget(MakeControl<QLabel>(textGroup_, "lblSeparator"), 0, 0);
    text->addWidget(separatorBox_, 0, 1);
    text->setColumnStretch(2, 1);
    text->setRowStretch(1, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(formatLabel, 0, 0);
    grid->addWidget(htmlStyle_, 0, 1);
    grid->addWidget(textStyle_, 0, 2);
    grid->addWidget(includeGroup, 1, 0, 1, 3);
    grid->addWidget(htmlGroup_, 2, 0, 1, 2);
    grid->addWidget(textGroup_, 2, 2);
    grid->setRowStretch(3, 1);

    load();
    connect(htmlStyle_, &QRadioButton::toggled, this, &ReportPage::enableChosenStyle);
}

void ReportPage::load()
{
    const ReportOptions& r = report_;
    (r.StyleHTML ? htmlStyle_ : textStyle_)->setChecked(true);
    for (auto [box, flag] : flags_)
        box->setChecked(r.*flag != 0);
    for (auto [chooser, colour] : colours_)
        chooser->setColor(std::uint32_t(r.*colour));
    separatorBox_->setEditText(QString::fromStdString(r.ColumnSeparator));
    enableChosenStyle();
}

void ReportPage::enableChosenStyle()
{
    const bool html = htmlStyle_->isChecked();
    htmlGroup_->setEnabled(html);
    textGroup_->setEnabled(!html);
}

void ReportPage::apply()
{
    ReportOptions& r = report_;
    r.StyleHTML = htmlStyle_->isChecked();
    for (auto [box, flag] : flags_)
        r.*flag = box->isChecked();
    for (auto [chooser, colour] : colours_)
        r.*colour = std::int32_t(chooser->color());
    r.ColumnSeparator = separatorBox_->currentText().toStdString();
}
