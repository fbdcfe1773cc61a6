#include "s/xml/TextArena.h"

#include <cstdlib>
#include <new>

namespace s::xml {

namespace {

constexpr std::size_t alignedUp(std::size_t bytes) {
  return (bytes + sizeof(void*) - 1) & ~(sizeof(void*) - 1);
}

void** headerOf(void* block) { return static_cast<void**>(block) - 1; }

}  // namespace

char16_t* TextArena::ownBlock(std::size_t units) {
  void* block = std::malloc(kHeader + units * sizeof(char16_t));
  if (block == nullptr) throw std::bad_alloc();
  *static_cast<void**>(block) = nullptr;
  return reinterpret_cast<char16_t*>(static_cast<unsigned char*>(block) + kHeader);
}

void* TextArena::ownObject(std::size_t bytes) {
  void* block = std::malloc(kHeader + bytes);
  if (block == nullptr) throw std::bad_alloc();
  *static_cast<void**>(block) = nullptr;
  return static_cast<unsigned char*>(block) + kHeader;
}

void TextArena::giveBack(void* text) {
  if (text == nullptr) return;
  void** header = headerOf(text);
  auto* chunk = static_cast<Chunk*>(*header);
  if (chunk == nullptr) {
    std::free(header);
  } else {
    dropUsers(chunk, 1);
  }
}

void TextArena::dropUsers(Chunk* chunk, std::int32_t n) {
  if (chunk->users.fetch_sub(n, std::memory_order_acq_rel) == n) {
    chunk->~Chunk();
    std::free(chunk);
  }
}

char16_t* TextArena::roomElsewhere(std::size_t units) {
  if (kHeader + units * sizeof(char16_t) > kLargestCut) {
    cut_ = false;
    return ownBlock(units);
  }
  newChunk();
  return room(units);
}

void TextArena::newChunk() {
  closeChunk();
  void* block = std::malloc(kChunkBytes);
  if (block == nullptr) throw std::bad_alloc();
  chunk_ = new (block) Chunk{{kCutting}};
  next_ = static_cast<unsigned char*>(block) + alignedUp(sizeof(Chunk));
  end_ = static_cast<unsigned char*>(block) + kChunkBytes;
}

void TextArena::closeChunk() {
  if (chunk_ == nullptr) return;
  // The texts cut from it replace the hold; any already given back have been counted off.
  std::int32_t change = cuts_ - kCutting;
  if (chunk_->users.fetch_add(change, std::memory_order_acq_rel) + change == 0) {
    chunk_->~Chunk();
    std::free(chunk_);
  }
  chunk_ = nullptr;
  next_ = end_ = nullptr;
  cuts_ = 0;
}

}  // namespace s::xml
