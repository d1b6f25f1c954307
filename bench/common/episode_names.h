// Realistic names for the benchmarks: the episode, lesson and photo names that fill the
// folders users point the program at, Chinese and ASCII mixed, every name distinct.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `count` distinct names in a shuffled order, drawn from a fixed seed.
inline std::vector<std::string> EpisodeNames(size_t count) {
  static const char* const kShows[] = {"庆余年",     "Friends", "琅琊榜",       "The Office",
                                       "三体",       "甄嬛传",  "Breaking Bad", "鬼灭之刃",
                                       "Python入门", "线性代数"};
  static const char* const kTags[] = {" 1080p", " [中字]", " HD", "", " 国语", " BluRay x264", ""};
  static const char* const kExtensions[] = {".mp4", ".mkv", ".jpg", ".txt", ".ass", ".flac"};
  uint32_t seed = 20240601;
  auto next = [&seed](uint32_t bound) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % bound;
  };
  std::vector<std::string> names;
  names.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const std::string show = kShows[next(10)];
    const std::string number = std::to_string(i + 1);
    const std::string tag = kTags[next(7)];
    const std::string extension = kExtensions[next(6)];
    switch (i % 6) {
      case 0:
        names.push_back("第" + number + "集 " + show + tag + extension);
        break;
      case 1:
        names.push_back(number + " " + show + "（完整版）" + extension);
        break;
      case 2:
        names.push_back("[字幕组] " + show + " - " + number + tag + extension);
        break;
      case 3:
        names.push_back(show + ".S01E" + number + tag + extension);
        break;
      case 4:
        names.push_back("IMG_2024" + number + "_拍摄于杭州" + extension);
        break;
      default:
        names.push_back("第" + number + "课 " + show + "，笔记" + extension);
        break;
    }
  }
  for (size_t i = count; i > 1; --i) std::swap(names[i - 1], names[next(static_cast<uint32_t>(i))]);
  return names;
}
