#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace s::xml {

// Storage for what one reading makes: record texts, and the nodes and records beyond what their
// pools hold. Every block starts with a header word: null for a block of its own, otherwise the
// shared chunk the block was cut from. A reading cuts from chunks, so that thousands of texts,
// records and nodes cost a few heap blocks; a chunk goes when the last block cut from it is
// given back, on whatever thread that happens.
class TextArena {
  struct Chunk;

 public:
  TextArena() = default;
  ~TextArena() { closeChunk(); }
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;

  // Room for units units, pointer-aligned, valid until the next call; commit() keeps it.
  char16_t* room(std::size_t units) {
    std::size_t bytes = kHeader + units * sizeof(char16_t);
    if (bytes > kLargestCut || bytes > static_cast<std::size_t>(end_ - next_)) {
      return roomElsewhere(units);
    }
    *reinterpret_cast<void**>(next_) = chunk_;
    cut_ = true;
    return reinterpret_cast<char16_t*>(next_ + kHeader);
  }
  // Keeps the room given by room() up to end, which is at most its size past its start.
  void commit(const char16_t* end) {
    if (!cut_) return;
    cut_ = false;
    auto used = static_cast<std::size_t>(reinterpret_cast<const unsigned char*>(end) - next_);
    next_ += (used + kHeader - 1) & ~(kHeader - 1);
    ++cuts_;
  }
  // A pointer-aligned block of bytes (at most kLargestCut) for an object, kept at once; given
  // back with giveBack() like a text. Not between room() and commit().
  void* cut(std::size_t bytes) {
    std::size_t used = (kHeader + bytes + kHeader - 1) & ~(kHeader - 1);
    if (used > static_cast<std::size_t>(end_ - next_)) newChunk();
    *reinterpret_cast<void**>(next_) = chunk_;
    void* block = next_ + kHeader;
    next_ += used;
    ++cuts_;
    return block;
  }

  // Gives back many texts with one count change per run of texts from the same chunk: a
  // tree's texts go back in the order they were cut, so runs are long.
  class Releaser {
   public:
    Releaser() = default;
    ~Releaser() { flush(); }
    Releaser(const Releaser&) = delete;
    Releaser& operator=(const Releaser&) = delete;

    // Takes a block made by room(), cut(), ownBlock() or ownObject(); null is ignored.
    void add(void* text) {
      if (text == nullptr) return;
      // A block that lies inside the current chunk was cut from it (the chunk lives while this
      // holds counts of it), so its header need not be read: a tree's texts are not touched
      // otherwise while it goes back, and reading each one's header would wait on memory.
      auto at = reinterpret_cast<std::uintptr_t>(text);
      auto start = reinterpret_cast<std::uintptr_t>(chunk_);
      if (chunk_ != nullptr && at > start && at < start + kChunkBytes) {
        ++count_;
        return;
      }
      auto* chunk = static_cast<Chunk*>(static_cast<void**>(text)[-1]);
      if (chunk != nullptr && chunk == chunk_) {
        ++count_;
        return;
      }
      flush();
      if (chunk == nullptr) {
        giveBack(text);
      } else {
        chunk_ = chunk;
        count_ = 1;
      }
    }
    void flush() {
      if (chunk_ != nullptr) dropUsers(chunk_, count_);
      chunk_ = nullptr;
      count_ = 0;
    }

   private:
    Chunk* chunk_ = nullptr;
    std::int32_t count_ = 0;
  };

  // A heap block of its own with room for units units; throws std::bad_alloc.
  static char16_t* ownBlock(std::size_t units);
  // A heap block of its own for an object of that many bytes; throws std::bad_alloc.
  static void* ownObject(std::size_t bytes);
  // Gives back a block made by room(), cut(), ownBlock() or ownObject(); null is ignored.
  static void giveBack(void* text);

 private:
  // Each text starts with the word that tells where it lives; texts start pointer-aligned.
  static constexpr std::size_t kHeader = sizeof(void*);
  struct Chunk {
    std::atomic<std::int32_t> users;
  };
  // Held on a chunk while it is being cut, so that texts given back meanwhile never free it.
  static constexpr std::int32_t kCutting = 1 << 30;
  // Below a page. A node or record that its pool keeps keeps its chunk too, so bigger chunks
  // would let a pool of scattered survivors hold much more; a kept run of neighbours (what a
  // tree's release leaves) holds about what it would hold in blocks of its own. Chunks of 1 KB
  // read the pack's texts 6 to 10% slower; 8 or 16 KB chunks gained no steady difference.
  static constexpr std::size_t kChunkBytes = 4000;
  // A text bigger than this gets a block of its own rather than waste a chunk's tail or keep
  // a chunk alive for a long time.
  static constexpr std::size_t kLargestCut = 512;

  // Room from a new chunk, or a block of its own for a large text.
  char16_t* roomElsewhere(std::size_t units);
  // Closes the current chunk and starts cutting a new one.
  void newChunk();
  void closeChunk();
  // Counts n texts of the chunk as given back, freeing it when none is left.
  static void dropUsers(Chunk* chunk, std::int32_t n);

  Chunk* chunk_ = nullptr;
  unsigned char* next_ = nullptr;
  unsigned char* end_ = nullptr;
  // Texts cut from the current chunk.
  std::int32_t cuts_ = 0;
  // Whether the last room() came from the current chunk.
  bool cut_ = false;
};

}  // namespace s::xml
