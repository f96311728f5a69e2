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
    auto* lblReportFormat = MakeControl<QLabel>(this, "lblReportFormat");
    optHTML = MakeControl<QRadioButton>(this, "optHTML");
    optText = MakeControl<QRadioButton>(this, "optText");
    (report.StyleHTML ? optHTML : optText)->setChecked(true);

    auto* fraInclude = MakeControl<QGroupBox>(this, "fraInclude");
    chkFileName = Column(fraInclude, "chkFileName", report.IncludeFile);
    chkPath = Column(fraInclude, "chkPath", report.IncludeDir);
    chkDate = Column(fraInclude, "chkDate", report.IncludeDate);
    chkSize = Column(fraInclude, "chkSize", report.IncludeSize);
    chkDiskID = Column(fraInclude, "chkDiskID", report.IncludeDisk);
    chkComment = Column(fraInclude, "chkComment", report.IncludeComment);
    auto* include = new QGridLayout(fraInclude);
    QCheckBox* columns[] = {chkFileName, chkPath, chkDate, chkSize, chkDiskID, chkComment};
    for (int i = 0; i < 6; ++i)
        include->addWidget(columns[i], i % 3, i / 3);

    fraHTML = MakeControl<QGroupBox>(this, "fraHTML");
    chkBorder = Column(fraHTML, "chkBorder", report.Border);
    CCHeaderBackColor = Colour(fraHTML, "CCHeaderBackColor", report.HeaderBackColor);
    CCHeaderTextColor = Colour(fraHTML, "CCHeaderTextColor", report.HeaderTextColor);
    CCFieldBackColor = Colour(fraHTML, "CCFieldBackColor", report.FieldBackColor);
    CCFieldTextColor = Colour(fraHTML, "CCFieldTextColor", report.FieldTextColor);
    auto* html = new QGridLayout(fraHTML);
    html->addWidget(chkBorder, 0, 0, 1, 2);
    const std::pair<const char*, ColorChooser*> colours[] = {{"lblHeaderBackColor", CCHeaderBackColor},
                                                             {"lblHeaderTextColor", CCHeaderTextColor},
                                                             {"lblFieldBackColor", CCFieldBackColor},
                                                             {"lblFieldTextColor", CCFieldTextColor}};
    int row = 1;
    for (auto [label, chooser] : colours) {
        html->addWidget(MakeControl<QLabel>(fraHTML, label), row, 0);
        html->addWidget(chooser, row++, 1);
    }

    fraText = MakeControl<QGroupBox>(this, "fraText");
    cmbSeparator = MakeControl<QComboBox>(fraText, "cmbSeparator");
    cmbSeparator->setEditable(true);
    cmbSeparator->setMinimumWidth(56);
    cmbSeparator->addItems({";", ":", ",", "$", "!", "\\"});
    cmbSeparator->setEditText(QString::fromStdString(report.ColunmSep));
    auto* text = new QGridLayout(fraText);
    text->addWidget(MakeControl<QLabel>(fraText, "lblSeparator"), 0, 0);
    text->addWidget(cmbSeparator, 0, 1);
    text->setColumnStretch(2, 1);
    text->setRowStretch(1, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblReportFormat, 0, 0);
    grid->addWidget(optHTML, 0, 1);
    grid->addWidget(optText, 0, 2);
    grid->addWidget(fraInclude, 1, 0, 1, 3);
    grid->addWidget(fraHTML, 2, 0, 1, 2);
    grid->addWidget(fraText, 2, 2);
    grid->setRowStretch(3, 1);

    optStyle_Click();
    connect(optHTML, &QRadioButton::toggled, this, &ReportPage::optStyle_Click);
}

void ReportPage::optStyle_Click()
{
    const bool html = optHTML->isChecked();
    fraHTML->setEnabled(html);
    fraText->setEnabled(!html);
}

void ReportPage::storeOnClose()
{
    ReportOptions& r = report_;
    r.Border = chkBorder->isChecked();
    r.IncludeComment = chkComment->isChecked();
    r.IncludeDate = chkDate->isChecked();
    r.IncludeDisk = chkDiskID->isChecked();
    r.IncludeFile = chkFileName->isChecked();
    r.IncludeDir = chkPath->isChecked();
    r.IncludeSize = chkSize->isChecked();
    r.ColunmSep = cmbSeparator->currentText().toStdString();
    r.StyleHTML = optHTML->isChecked();
    r.HeaderBackColor = std::int32_t(CCHeaderBackColor->color());
    r.HeaderTextColor = std::int32_t(CCHeaderTextColor->color());
    r.FieldBackColor = std::int32_t(CCFieldBackColor->color());
    r.FieldTextColor = std::int32_t(CCFieldTextColor->color());
}
