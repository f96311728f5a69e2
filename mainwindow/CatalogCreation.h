#pragma once
// Catalogue a folder from the main window: the scan runs on a worker while the
// window stays free and shows how far it got; Stop ends it within a moment
// and saves nothing; a finished scan asks for the catalog's name and comment
// and saves it straight into the library. One scan at a time.

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>

struct AppContext;
class MainWindow;
struct ScanSession;

class CatalogCreation : public QObject {
    Q_OBJECT
public:
    CatalogCreation(AppContext& app, MainWindow& window);
    ~CatalogCreation() override;

    // Create with the CAT layer's options on folder (a native path).
    void create(const QString& folder);
    bool isBusy() const;

public slots:
    void stop();

signals:
    // The scan is over and its catalog saved or dropped.
    void finished();

private:
    void showProgress(qint64 bodyLines);
    void scanned(ScanSession& session, const QString& folder, bool stopped);
    void save(ScanSession& session);
    void ejectIfAsked();

    AppContext& app_;
    MainWindow& window_;
    QString folder_;
    std::mutex readingMutex_;
    std::string reading_; // the folder the scan read last
};
