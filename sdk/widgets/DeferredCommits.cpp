#include "sdk/widgets/DeferredCommits_p.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace quarlin::ui::intern {

namespace {

struct Pending
{
    QPointer<QObject> owner;
    std::function<void()> commit;
};

// One thread: the user-interface thread.
std::vector<Pending>& pending()
{
    static std::vector<Pending> commits;
    return commits;
}

} // namespace

void DeferredCommits::schedule(QObject& owner, std::function<void()> commit)
{
    auto& commits = pending();
    auto const same = std::find_if(commits.begin(), commits.end(),
                                   [&owner](Pending const& p) { return p.owner == &owner; });
    if (same != commits.end()) {
        same->commit = std::move(commit); // the latest act of the owner is the one to take
        return;
    }
    bool const first = commits.empty();
    commits.push_back({&owner, std::move(commit)});
    if (first && QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), &DeferredCommits::flush,
                                  Qt::QueuedConnection);
}

void DeferredCommits::flush()
{
    // A commit may lose the focus of another field, which schedules anew: taken in turns.
    while (!pending().empty()) {
        std::vector<Pending> const now = std::exchange(pending(), {});
        for (Pending const& commit : now)
            if (commit.owner)
                commit.commit();
    }
}

} // namespace quarlin::ui::intern
