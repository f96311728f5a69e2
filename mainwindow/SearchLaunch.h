#pragma once
// The search of the FIND layer. The Search button searches one catalog or
// the whole library, with the layer's disk type and file-type filter, on a
// worker: the hits go into the results window block by block while the
// windows stay free, the hit limit is told once at the end, and a second
// search cannot start while one runs. The search text joins the recent
// searches, which the settings keep.

#include <QObject>

#include <memory>

struct AppContext;
class MainWindow;

class SearchLaunch : public QObject {
    Q_OBJECT
public:
    SearchLaunch(AppContext& app, MainWindow& window);
    ~SearchLaunch() override;

    void startSearch();
    bool isBusy() const;

public slots:
    // Ends a running search at its next block (the rows found stay).
    void stop();

signals:
    // The search is over.
    void finished();

private:
    struct Inbox;
    void rememberSearch(const QString& text);
    void takeHits();

    AppContext& app_;
    MainWindow& window_;
    std::shared_ptr<Inbox> inbox_;
};
