#include "options/FontPage.h"

#include "engine/settings/AppSettings.h"
#include "gui/AppContext.h"
#include "gui/widgets/ColorChooser.h"
#include "language/WindowTexts.h"
#include "platform/gui/WinColor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int NameRole = Qt::UserRole;

template <class W> W* Part(QWidget* parent, const char* stem, const char* suffix)
{
    return MakeControl<W>(parent, (std::string(stem) + suffix).c_str());
}

// Selects the entry holding value; a value the list lacks is listed first, as
// it is, in italics, and selected, so that it is kept until another is picked.
void Select(QComboBox& combo, const QString& value)
{
    int index = combo.findData(value, NameRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        combo.insertItem(0, value, value);
        QFont italic = combo.font();
        italic.setItalic(true);
        combo.setItemData(0, italic, Qt::FontRole);
        index = 0;
    }
    combo.setCurrentIndex(index);
}
} // namespace

FontPage::FontPage(AppContext& app, QWidget* parent) : OptionPage("fraFont", parent), app_(app)
{
    const QStringList families = QFontDatabase::families();
    label_ = makeGroup("fraLabel", "Label", app.settings.FontLabel, families);
    title_ = makeGroup("fraTitle", "Title", app.settings.FontTitle, families);
    auto* column = new QVBoxLayout(this);
    column->addWidget(findChild<QGroupBox*>(QStringLiteral("fraLabel")));
    column->addWidget(findChild<QGroupBox*>(QStringLiteral("fraTitle")));
    column->addStretch(1);
}

FontPage::Group FontPage::makeGroup(const char* frame, const char* suffix, FontSetting& setting,
                                    const QStringList& families)
{
    auto* box = MakeControl<QGroupBox>(this, frame);
    Group g;
    g.setting = &setting;
    g.font = Part<QComboBox>(box, "cmbFont", suffix);
    g.size = Part<QComboBox>(box, "cmbSize", suffix);
    g.bold = Part<QCheckBox>(box, "chkBold", suffix);
    g.italic = Part<QCheckBox>(box, "chkItalic", suffix);
    g.colour = Part<ColorChooser>(box, "CC", suffix);
    g.sample = Part<QLabel>(box, "lblSample", suffix);
    g.apply = Part<QPushButton>(box, "cmdApply", suffix);

    for (const QString& family : families)
        g.font->addItem(family, family);
    for (int n = 7; n <= 14; ++n)
        g.size->addItem(QString::number(n), QString::number(n));
    g.sample->setText(QStringLiteral("AaBbYyZz 0123"));
    g.sample->setFixedHeight(44); // a huge stored size stays inside the page

    auto* grid = new QGridLayout(box);
    grid->addWidget(g.font, 0, 0, 1, 2);
    grid->addWidget(g.size, 0, 2);
    grid->addWidget(g.bold, 1, 0);
    grid->addWidget(g.italic, 1, 1);
    grid->addWidget(g.colour, 1, 2);
    grid->addWidget(g.sample, 2, 0, 1, 2);
    grid->addWidget(g.apply, 2, 2, Qt::AlignBottom);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    load(g);
    auto changed = [this, g] { update(g); };
    connect(g.font, &QComboBox::currentIndexChanged, this, changed);
    connect(g.size, &QComboBox::currentIndexChanged, this, changed);
    connect(g.bold, &QCheckBox::toggled, this, changed);
    connect(g.italic, &QCheckBox::toggled, this, changed);
    connect(g.colour, &ColorChooser::colorChanged, this, changed);
    connect(g.apply, &QPushButton::clicked, this, &FontPage::applyToWindows);
    return g;
}

void FontPage::load(const Group& g)
{
    const FontSetting& f = *g.setting;
    Select(*g.font, QString::fromStdString(f.Name));
    Select(*g.size, QString::number(f.Size));
    g.colour->setColor(f.Color);
    g.bold->setChecked(f.Bold);
    g.italic->setChecked(f.Italic);
    ApplyFontSetting(*g.sample, f);
}

void FontPage::update(const Group& g)
{
    FontSetting& f = *g.setting;
    f.Name = g.font->currentData(NameRole).toString().toStdString();
    f.Bold = g.bold->isChecked();
    f.Italic = g.italic->isChecked();
    f.Color = g.colour->color();
    f.Size = g.size->currentData(NameRole).toString().toInt();
    ApplyFontSetting(*g.sample, f);
}

void FontPage::apply()
{
    update(label_);
    update(title_);
}

void FontPage::applyToWindows()
{
    app_.windowTexts.relabelWindows({"frmCorvaneDisk", "frmFind", "frmLib", "frmSaveIDX", "frmEditComment"});
}
