#pragma once
// The properties of one library catalog: its name, root folder and comment
// can be changed, its drive type and space are shown, the usage also as a
// pie. Apply writes what changed and stays open, OK writes and closes,
// Cancel closes (what an earlier Apply wrote stays written). Each value
// applied becomes the one the next Apply compares with, so nothing is
// written twice and a later change reaches the catalog under its new name.

#include "engine/library/CatalogProperties.h"
#include "language/WindowTexts.h"

#include <QDialog>

struct AppContext;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class CatalogPropertiesDialog : public QDialog, public Retranslatable {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmProperties";
    static constexpr int HelpContext = 1017;

    explicit CatalogPropertiesDialog(AppContext& app);

    // Shows the catalog's properties; nothing is changed yet.
    void showProperties(const CatalogProperties& prop);
    // The usage pie for a used share of percent (0 to 100).
    void drawUsagePie(int percent);
    // Writes the comment, then the name, then the root, each only when it
    // differs from the catalog. A failing step stops the rest (the steps
    // before it stay written) and the dialog stays changed; a root the
    // catalog's names cannot stand beside is refused with the reason.
    void applyChanges();
    // The catalog's file name, which an applied rename changes.
    QString fileName() const { return file_; }

    void retranslate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void setChanged(bool on);
    void showRoot(const QString& root);
    void chooseRoot();
    void applyAndClose();
    QString typedName() const;
    bool differs() const;

    AppContext& app_;
    QLabel* typePicture_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QLabel* diskTypeLabel_ = nullptr;
    QLabel* usedLabel_ = nullptr;
    QLabel* freeLabel_ = nullptr;
    QLabel* rootLabel_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    QLabel* pie_ = nullptr;
    QPlainTextEdit* commentEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    bool changed_ = false;
    // The catalog as it is on disk: the values opened with, then each applied one.
    QString file_, name_, comment_, root_;
    QString shownRoot_; // the root the dialog shows (catalog form, ending with "\")
};
