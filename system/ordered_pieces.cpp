#include "system/ordered_pieces.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// The pieces in flight. Piece i lives in slot i % slots until it is delivered, so a piece can
// be claimed only once the piece slots places before it has been delivered. A helper that runs
// out of memory abandons its piece and stops helping; the calling thread then makes the piece
// itself, so that memory pressure costs speed, not the result.
class PieceBoard {
public:
    PieceBoard(std::size_t count, std::size_t slots, const PieceMaker& make)
        : count_(count), make_(make), texts_(slots), states_(slots, State::Waiting)
    {
    }

    // A helper thread's life: make pieces until none is left, the work stops or memory runs out.
    void HelpUntilDone()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return stopping_ || next_ >= count_ || CanClaim(); });
            if (stopping_ || next_ >= count_) return;
            if (!Make(lock, next_++, Maker::Helper)) return;
        }
    }

    // The calling thread's part: deliver every piece in order, making pieces while it waits.
    void DeliverAll(const PieceDelivery& deliver)
    {
        for (std::size_t index = 0; index < count_; ++index) {
            const std::size_t slot = index % texts_.size();
            {
                std::unique_lock lock(mutex_);
                while (states_[slot] != State::Ready) {
                    if (failure_)
                        std::rethrow_exception(failure_);
                    else if (states_[slot] == State::Abandoned)
                        Make(lock, index, Maker::Caller);
                    else if (CanClaim())
                        Make(lock, next_++, Maker::Caller);
                    else
                        changed_.wait(lock);
                }
            }
            deliver(texts_[slot]);
            std::lock_guard lock(mutex_);
            texts_[slot].clear();
            states_[slot] = State::Waiting;
            ++delivered_;
            changed_.notify_all();
        }
    }

    void Stop()
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        changed_.notify_all();
    }

private:
    enum class State : unsigned char { Waiting, Ready, Abandoned };
    enum class Maker { Helper, Caller };

    bool CanClaim() const { return next_ < count_ && next_ < delivered_ + texts_.size(); }

    // Makes piece index with the lock released. False when that failed: a helper out of memory
    // abandons the piece; any other failure is recorded and stops the work.
    bool Make(std::unique_lock<std::mutex>& lock, std::size_t index, Maker maker)
    {
        const std::size_t slot = index % texts_.size();
        states_[slot] = State::Waiting;
        lock.unlock();
        std::exception_ptr failure;
        bool outOfMemory = false;
        try {
            make_(index, texts_[slot]);
        } catch (const std::bad_alloc&) {
            failure = std::current_exception();
            outOfMemory = true;
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        if (!failure) {
            states_[slot] = State::Ready;
        } else if (outOfMemory && maker == Maker::Helper) {
            texts_[slot].clear();
            states_[slot] = State::Abandoned;
        } else {
            if (!failure_) failure_ = failure;
            stopping_ = true;
        }
        changed_.notify_all();
        return !failure;
    }

    const std::size_t count_;
    const PieceMaker& make_;
    std::vector<std::string> texts_;
    std::vector<State> states_;
    std::size_t next_ = 0;
    std::size_t delivered_ = 0;
    bool stopping_ = false;
    std::exception_ptr failure_;
    std::mutex mutex_;
    std::condition_variable changed_;
};

// Stops the board and joins its helper threads when the caller's part ends, by return or by
// exception.
class HelperThreads {
public:
    explicit HelperThreads(PieceBoard& board) : board_(board) {}
    HelperThreads(const HelperThreads&) = delete;
    HelperThreads& operator=(const HelperThreads&) = delete;

    ~HelperThreads()
    {
        board_.Stop();
        for (std::thread& thread : threads_) thread.join();
    }

    // Starts up to `wanted` helpers; one that cannot be started (no memory, a thread limit) is
    // simply not there.
    void Start(std::size_t wanted)
    {
        try {
            threads_.reserve(wanted);
            while (threads_.size() < wanted) threads_.emplace_back([this] { board_.HelpUntilDone(); });
        } catch (const std::system_error&) {
        } catch (const std::bad_alloc&) {
        }
    }

private:
    PieceBoard& board_;
    std::vector<std::thread> threads_;
};

}  // namespace

void MakeInOrder(std::size_t count, unsigned threads, const PieceMaker& make, const PieceDelivery& deliver)
{
    const std::size_t used = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(count, 1));
    PieceBoard board(count, 2 * used, make);
    HelperThreads helpers(board);
    helpers.Start(used - 1);
    board.DeliverAll(deliver);
}

unsigned DefaultThreadCount()
{
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}
