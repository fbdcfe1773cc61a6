// Pool take/give-back against new/delete of the same object, and the text buffer against
// std::u16string doing the same work.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "s/col/Growth.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

using s::str::strbuffer::StrBuffer;

namespace {

// ---- pools ----

void BM_Pool_TakeGiveBack(benchmark::State& state) {
  auto& pool = s::thread::poolOf<StrBuffer>();
  pool.giveBack(pool.take());  // warm: one free object
  for (auto _ : state) {
    void* object = pool.take();
    benchmark::DoNotOptimize(object);
    pool.giveBack(object);
  }
}
BENCHMARK(BM_Pool_TakeGiveBack);

void BM_Pool_NewDelete(benchmark::State& state) {
  for (auto _ : state) {
    auto* object = new StrBuffer();
    benchmark::DoNotOptimize(object);
    delete object;
  }
}
BENCHMARK(BM_Pool_NewDelete);

// Bursts of 100 objects out and back: more than a thread keeps for itself, so the pool moves
// objects to and from its shared list under the lock.
void BM_Pool_TakeGiveBack100(benchmark::State& state) {
  auto& pool = s::thread::poolOf<StrBuffer>();
  void* objects[100];
  for (auto _ : state) {
    for (void*& object : objects) object = pool.take();
    benchmark::DoNotOptimize(objects);
    for (void* object : objects) pool.giveBack(object);
  }
}
BENCHMARK(BM_Pool_TakeGiveBack100);

void BM_Pool_NewDelete100(benchmark::State& state) {
  StrBuffer* objects[100];
  for (auto _ : state) {
    for (StrBuffer*& object : objects) object = new StrBuffer();
    benchmark::DoNotOptimize(objects);
    for (StrBuffer* object : objects) delete object;
  }
}
BENCHMARK(BM_Pool_NewDelete100);

// ---- text ----

const char16_t kLine[] =
    u"%SystemRoot%\\system32\\csrss.exe ObjectDirectory=\\Windows SharedSection=1024,3072,512 "
    u"Windows=On SubSystemType=Windows ServerDll=basesrv,1 ";

std::u16string makeHaystack() {
  std::u16string text;
  for (int i = 0; i < 200; ++i) text += kLine;
  text += u"the end: sharedSECTION=needle";
  return text;
}

void BM_Append_StrBuffer(benchmark::State& state) {
  for (auto _ : state) {
    auto buffer = s::thread::obtain<StrBuffer>();
    for (int i = 0; i < state.range(0); ++i) buffer->appendText(kLine);
    benchmark::DoNotOptimize(buffer->data());
  }
}
// 20 lines: the size of the texts the program builds; 200: past the C heap's mapping threshold
// once the x3 growth policy overshoots it.
BENCHMARK(BM_Append_StrBuffer)->Arg(20)->Arg(200);

void BM_Append_U16String(benchmark::State& state) {
  for (auto _ : state) {
    std::u16string text;
    for (int i = 0; i < state.range(0); ++i) text += kLine;
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_Append_U16String)->Arg(20)->Arg(200);

// Control: the string grown through the same capacities as the buffer (x3 steps from 100), so
// a difference between the two rows above that shows here too belongs to the block sizes the
// policy asks the C heap for, not to the buffer's code.
void BM_Append_U16StringBufferSteps(benchmark::State& state) {
  constexpr std::uint32_t kLineLength = sizeof(kLine) / sizeof(kLine[0]) - 1;
  for (auto _ : state) {
    std::u16string text;
    for (int i = 0; i < state.range(0); ++i) {
      auto needed = static_cast<std::uint32_t>(text.size()) + kLineLength;
      if (text.capacity() < needed) {
        text.reserve(s::col::grownCapacity(static_cast<std::uint32_t>(text.capacity()), needed));
      }
      text += kLine;
    }
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_Append_U16StringBufferSteps)->Arg(20)->Arg(200);

char16_t foldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; }

void BM_FindIgnoreCase_StrBuffer(benchmark::State& state) {
  auto buffer = s::str::strbuffer::newStr(makeHaystack().c_str());
  for (auto _ : state) {
    std::uint32_t at = 0;
    bool found = buffer->findIgnoreCase(u"SharedSection=needle", &at);
    benchmark::DoNotOptimize(found);
    benchmark::DoNotOptimize(at);
  }
}
BENCHMARK(BM_FindIgnoreCase_StrBuffer);

void BM_FindIgnoreCase_U16String(benchmark::State& state) {
  const std::u16string text = makeHaystack();
  const std::u16string needle = u"sharedsection=needle";
  for (auto _ : state) {
    // The usual standard-library way: search for the folded needle with a folding predicate.
    auto it = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                          [](char16_t a, char16_t b) { return foldAscii(a) == b; });
    benchmark::DoNotOptimize(it);
  }
}
BENCHMARK(BM_FindIgnoreCase_U16String);

void BM_Split_StrBuffer(benchmark::State& state) {
  auto buffer = s::str::strbuffer::newStr(makeHaystack().c_str());
  for (auto _ : state) {
    auto parts = buffer->split(u' ');
    benchmark::DoNotOptimize(parts->count());
  }
}
BENCHMARK(BM_Split_StrBuffer);

void BM_Split_U16String(benchmark::State& state) {
  const std::u16string text = makeHaystack();
  for (auto _ : state) {
    std::vector<std::u16string> parts;
    std::size_t from = 0;
    for (std::size_t hit; (hit = text.find(u' ', from)) != std::u16string::npos; from = hit + 1) {
      if (hit != from) parts.emplace_back(text, from, hit - from);
    }
    if (from < text.size()) parts.emplace_back(text, from);
    benchmark::DoNotOptimize(parts.size());
  }
}
BENCHMARK(BM_Split_U16String);

void BM_ReplaceAll_StrBuffer(benchmark::State& state) {
  // The text is copied from a buffer, as the string version copies from a string: neither
  // has to measure it first.
  auto text = s::str::strbuffer::newStr(makeHaystack().c_str());
  auto buffer = s::thread::obtain<StrBuffer>();
  for (auto _ : state) {
    buffer->setStr(*text);
    buffer->replaceAll(u"Windows", u"WindowsNT");
    benchmark::DoNotOptimize(buffer->data());
  }
}
BENCHMARK(BM_ReplaceAll_StrBuffer);

void BM_ReplaceAll_U16String(benchmark::State& state) {
  const std::u16string text = makeHaystack();
  const std::u16string find = u"Windows";
  const std::u16string replacement = u"WindowsNT";
  std::u16string work;
  for (auto _ : state) {
    work = text;
    // Build the result in one pass, as a careful hand-written replaceAll would.
    std::u16string result;
    result.reserve(work.size() + work.size() / 4);
    std::size_t from = 0;
    for (std::size_t hit; (hit = work.find(find, from)) != std::u16string::npos;
         from = hit + find.size()) {
      result.append(work, from, hit - from);
      result += replacement;
    }
    result.append(work, from);
    work.swap(result);
    benchmark::DoNotOptimize(work.data());
  }
}
BENCHMARK(BM_ReplaceAll_U16String);

}  // namespace

// Whether glibc hands a freed block at the top of its heap back to the system depends on what
// the process did before: std::u16string's 200-line row costs 2.6 times as much run alone as
// after the other rows. So both sides of every row run with the heap top kept and blocks up to
// 32 MB served from the heap, and the rows measure the code, not the heap's history.
// VEXO_BENCH_DEFAULT_HEAP=1 leaves glibc's defaults.
int main(int argc, char** argv) {
  if (std::getenv("VEXO_BENCH_DEFAULT_HEAP") == nullptr) {
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
