#include "network/SnapshotMaker.h"

namespace korvanda {

SnapshotMaker::SnapshotMaker(Publish publish)
    : publish_(std::move(publish))
    , worker_([this] { work(); })
{
}

SnapshotMaker::~SnapshotMaker()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void SnapshotMaker::take(const Meet& meet, const CheckValues& values)
{
    // The board, the bout list and the tally come from these two alone.
    Tables tables { Meet {}, values };
    tables.meet.teamList = meet.teamList;
    tables.meet.boutGrid = meet.boutGrid;
    {
        const std::lock_guard lock(mutex_);
        next_ = std::move(tables);
    }
    changed_.notify_all();
}

void SnapshotMaker::makeNow(const Meet& meet, const CheckValues& values)
{
    take(meet, values);
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return (!next_ && !making_) || stopping_; });
}

void SnapshotMaker::work()
{
    for (;;) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return next_ || stopping_; });
        if (stopping_)
            return;
        const Tables tables = std::move(*next_);
        next_.reset();
        making_ = true;
        lock.unlock();
        previous_ = makeSnapshot(tables.meet, tables.values, previous_);
        publish_(previous_);
        lock.lock();
        making_ = false;
        changed_.notify_all();
    }
}

} // namespace korvanda
