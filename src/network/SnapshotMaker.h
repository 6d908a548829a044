#pragma once

#include "network/MeetSnapshot.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace korvanda {

// Makes the phones' snapshots on a thread of its own, so that after a
// change the window thread only copies the two tables the phones see. A
// copy taken while a snapshot is being made waits; a newer one takes its
// place, so results arriving together make one snapshot.
class SnapshotMaker {
public:
    using Publish = std::function<void(std::shared_ptr<const MeetSnapshot>)>;

    explicit SnapshotMaker(Publish publish);
    ~SnapshotMaker();
    SnapshotMaker(const SnapshotMaker&) = delete;
    SnapshotMaker& operator=(const SnapshotMaker&) = delete;

    // Copies what the phones see of `meet`; returns at once.
    void take(const Meet& meet, const CheckValues& values);
    // As take, and returns once that snapshot is published.
    void makeNow(const Meet& meet, const CheckValues& values);

private:
    struct Tables {
        Meet meet;
        CheckValues values;
    };
    void work();

    Publish publish_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Tables> next_;
    bool making_ = false;
    bool stopping_ = false;
    // Only the worker touches it once it runs.
    std::shared_ptr<const MeetSnapshot> previous_;
    std::thread worker_;
};

} // namespace korvanda
