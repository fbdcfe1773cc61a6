#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace s::xml {

// Storage for attribute record texts. Every text block starts with a header word: null for a
// block of its own, otherwise the shared chunk the block was cut from. A reading cuts its
// records' texts from chunks, so that thousands of records cost a few heap blocks; a chunk goes
// when the last record cut from it gives its text back, on whatever thread that happens.
class TextArena {
 public:
  TextArena() = default;
  ~TextArena() { closeChunk(); }
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;

  // Room for units units, pointer-aligned, valid until the next call; commit() keeps it.
  char16_t* room(std::size_t units);
  // Keeps the room given by room() up to end, which is at most its size past its start.
  void commit(const char16_t* end);

  // A heap block of its own with room for units units; throws std::bad_alloc.
  static char16_t* ownBlock(std::size_t units);
  // Gives back a text made by room() or ownBlock(); null is ignored.
  static void giveBack(char16_t* text);

 private:
  struct Chunk {
    std::atomic<std::int32_t> users;
  };
  // Held on a chunk while it is being cut, so that texts given back meanwhile never free it.
  static constexpr std::int32_t kCutting = 1 << 30;
  // Chunks are small blocks: the heap serves them from its lists of small blocks without
  // tidying up first, as it does for large requests, and a record kept alone keeps little.
  static constexpr std::size_t kChunkBytes = 1000;
  // A text bigger than this gets a block of its own rather than waste a chunk's tail or keep
  // a chunk alive for a long time.
  static constexpr std::size_t kLargestCut = 512;

  void closeChunk();

  Chunk* chunk_ = nullptr;
  unsigned char* next_ = nullptr;
  unsigned char* end_ = nullptr;
  // Texts cut from the current chunk.
  std::int32_t cuts_ = 0;
  // Whether the last room() came from the current chunk.
  bool cut_ = false;
};

}  // namespace s::xml
