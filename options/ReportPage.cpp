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
QCheckBox* Column(QWidget* parent, const char* name, int flag)
{
    auto* box = MakeControl<QCheckBox>(parent, name);
    box->setChecked(flag != 0);
    return box;
}

ColorChooser* Colour(QWidget* parent, const char* name, std::int32_t colour)
{
    auto* chooser = MakeControl<ColorChooser>(parent, name);
    chooser->setColor(std::uint32_t(colour));
    return chooser;
}
} // namespace

ReportPage::ReportPage(ReportOptions& report, QWidget* parent) : OptionPage("fraReport", parent), report_(report)
{
    auto* formatLabel = MakeControl<QLabel>(this, "lblReportFormat");
    htmlStyle = MakeControl<QRadioButton>(this, "optHTML");
    textStyle = MakeControl<QRadioButton>(this, "optText");
    (report.StyleHTML ? htmlStyle : textStyle)->setChecked(true);

    auto* includeGroup = MakeControl<QGroupBox>(this, "fraInclude");
    withFileName = Column(includeGroup, "chkFileName", report.IncludeFile);
    withPath = Column(includeGroup, "chkPath", report.IncludeDir);
    withDate = Column(includeGroup, "chkDate", report.IncludeDate);
    withSize = Column(includeGroup, "chkSize", report.IncludeSize);
    withDiskId = Column(includeGroup, "chkDiskID", report.IncludeDisk);
    withComment = Column(includeGroup, "chkComment", report.IncludeComment);
    auto* include = new QGridLayout(includeGroup);
    QCheckBox* columns[] = {withFileName, withPath, withDate, withSize, withDiskId, withComment};
    for (int i = 0; i < 6; ++i)
        include->addWidget(columns[i], i % 3, i / 3);

    htmlGroup = MakeControl<QGroupBox>(this, "fraHTML");
    withBorder = Column(htmlGroup, "chkBorder", report.Border);
    headerBackColor = Colour(htmlGroup, "CCHeaderBackColor", report.HeaderBackColor);
    headerTextColor = Colour(htmlGroup, "CCHeaderTextColor", report.HeaderTextColor);
    fieldBackColor = Colour(htmlGroup, "CCFieldBackColor", report.FieldBackColor);
    fieldTextColor = Colour(htmlGroup, "CCFieldTextColor", report.FieldTextColor);
    auto* html = new QGridLayout(htmlGroup);
    html->addWidget(withBorder, 0, 0, 1, 2);
    const std::pair<const char*, ColorChooser*> colours[] = {{"lblHeaderBackColor", headerBackColor},
                                                             {"lblHeaderTextColor", headerTextColor},
                                                             {"lblFieldBackColor", fieldBackColor},
                                                             {"lblFieldTextColor", fieldTextColor}};
    int row = 1;
    for (auto [label, chooser] : colours) {
        html->addWidget(MakeControl<QLabel>(htmlGroup, label), row, 0);
        html->addWidget(chooser, row++, 1);
    }

    textGroup = MakeControl<QGroupBox>(this, "fraText");
    separatorBox = MakeControl<QComboBox>(textGroup, "cmbSeparator");
    separatorBox->setEditable(true);
    separatorBox->setMinimumWidth(56);
    separatorBox->addItems({";", ":", ",", "$", "!", "\\"});
    separatorBox->setEditText(QString::fromStdString(report.ColumnSeparator));
    auto* text = new QGridLayout(textGroup);
    text->addWidget(MakeControl<QLabel>(textGroup, "lblSeparator"), 0, 0);
    text->addWidget(separatorBox, 0, 1);
    text->setColumnStretch(2, 1);
    text->setRowStretch(1, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(formatLabel, 0, 0);
    grid->addWidget(htmlStyle, 0, 1);
    grid->addWidget(textStyle, 0, 2);
    grid->addWidget(includeGroup, 1, 0, 1, 3);
    grid->addWidget(htmlGroup, 2, 0, 1, 2);
    grid->addWidget(textGroup, 2, 2);
    grid->setRowStretch(3, 1);

    enableChosenStyle();
    connect(htmlStyle, &QRadioButton::toggled, this, &ReportPage::enableChosenStyle);
}

void ReportPage::enableChosenStyle()
{
    const bool html = htmlStyle->isChecked();
    htmlGroup->setEnabled(html);
    textGroup->setEnabled(!html);
}

void ReportPage::storeOnClose()
{
    ReportOptions& r = report_;
    r.Border = withBorder->isChecked();
    r.IncludeComment = withComment->isChecked();
    r.IncludeDate = withDate->isChecked();
    r.IncludeDisk = withDiskId->isChecked();
    r.IncludeFile = withFileName->isChecked();
    r.IncludeDir = withPath->isChecked();
    r.IncludeSize = withSize->isChecked();
    r.ColumnSeparator = separatorBox->currentText().toStdString();
    r.StyleHTML = htmlStyle->isChecked();
    r.HeaderBackColor = std::int32_t(headerBackColor->color());
    r.HeaderTextColor = std::int32_t(headerTextColor->color());
    r.FieldBackColor = std::int32_t(fieldBackColor->color());
    r.FieldTextColor = std::int32_t(fieldTextColor->color());
}
