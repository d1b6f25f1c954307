// Copies a UTF-8 C++ source with the non-ASCII text of its string and character literals
// turned into code page 936 octal escapes, so that clang (which only compiles literals to
// UTF-8) produces the same bytes as the main builds' -fexec-charset=GBK. Identifiers and
// comments stay as they are. Usage: gbk_literals INPUT OUTPUT
#include <iconv.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

std::string ToGbk(const std::string& utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* to = out.data();
  size_t toLeft = out.size();
  size_t result = iconv(cd, &in, &inLeft, &to, &toLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) throw std::runtime_error("not convertible: " + utf8);
  out.resize(out.size() - toLeft);
  return out;
}

// Octal escapes never swallow a following digit or letter, unlike hexadecimal ones.
std::string Escaped(const std::string& bytes) {
  std::string out;
  char buffer[8];
  for (unsigned char c : bytes) {
    std::snprintf(buffer, sizeof buffer, "\\%03o", c);
    out += buffer;
  }
  return out;
}

std::string Convert(const std::string& src) {
  std::string out;
  size_t i = 0;
  auto copyUntil = [&](const std::string& end) {
    size_t stop = src.find(end, i);
    stop = stop == std::string::npos ? src.size() : stop + end.size();
    out.append(src, i, stop - i);
    i = stop;
  };
  while (i < src.size()) {
    char c = src[i];
    if (src.compare(i, 2, "//") == 0) {
      copyUntil("\n");
    } else if (src.compare(i, 2, "/*") == 0) {
      copyUntil("*/");
    } else if (c == 'R' && i + 1 < src.size() && src[i + 1] == '"') {
      size_t open = src.find('(', i);
      copyUntil(")" + src.substr(i + 2, open - i - 2) + "\"");  // raw strings stay as they are
    } else if (c == '"' || (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(
                                                        src[i - 1])) /* digit separator */))) {
      out += c;
      ++i;
      std::string run;  // pending non-ASCII bytes
      while (i < src.size() && src[i] != c) {
        if (static_cast<unsigned char>(src[i]) >= 0x80) {
          run += src[i++];
          continue;
        }
        if (!run.empty()) out += Escaped(ToGbk(run)), run.clear();
        if (src[i] == '\\') out += src[i++];
        out += src[i++];
      }
      if (!run.empty()) out += Escaped(ToGbk(run));
      if (i < src.size()) out += src[i++];
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: gbk_literals INPUT OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::string src((std::istreambuf_iterator<char>(in)), {});
  try {
    std::ofstream(argv[2], std::ios::binary) << Convert(src);
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
