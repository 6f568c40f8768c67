#pragma once

#include <atomic>
#include <exception>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

// Values worked out once for each key and then shared, read-only, by every thread that asks for
// that key; a thread asking while the value is being worked out waits for it. A failure is kept
// and thrown again to each thread that asks for its key, so that it too is met only once.
template <class Key, class Value>
class SharedOnce {
  public:
    // The key's value, made by make() at the first asking. Stays in place while this lives.
    template <class Make>
    const Value& Get(const Key& key, Make make) {
        return *GetWithin(key, std::numeric_limits<std::size_t>::max(), make);
    }

    // The same, but none when the key is new and `most` keys are held already.
    template <class Make>
    const Value* GetWithin(const Key& key, std::size_t most, Make make) {
        std::shared_ptr<Entry> entry;
        {
            const std::lock_guard lock(mutex_);
            const auto at = entries_.find(key);
            if (at != entries_.end()) {
                entry = at->second;
            } else if (entries_.size() < most) {
                entry = std::make_shared<Entry>();
                entries_.emplace(key, entry);
            } else {
                return nullptr;
            }
        }
        std::call_once(entry->once, [&] {
            made_.fetch_add(1, std::memory_order_relaxed);
            try {
                entry->value.emplace(make());
            } catch (...) {
                entry->failure = std::current_exception();
            }
        });
        if (entry->failure)
            std::rethrow_exception(entry->failure);
        return &*entry->value;
    }

    // How many values (failures included) have been worked out.
    std::size_t Made() const { return made_.load(std::memory_order_relaxed); }

  private:
    struct Entry {
        std::once_flag once;
        std::optional<Value> value;
        std::exception_ptr failure;
    };
    std::mutex mutex_;
    std::map<Key, std::shared_ptr<Entry>> entries_;
    std::atomic<std::size_t> made_ = 0;
};
