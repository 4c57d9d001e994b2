// The program's standard output with every write checked.  A stream on
// std::cout exits as if all was written when the disk is full, the output is
// /dev/full or standard output is closed; this one keeps the first failure
// so that the program can report it.
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <vector>

namespace ostrane {

class TCheckedOutput : public std::streambuf {
 public:
  // Writes to the open file descriptor `fd` (STDOUT_FILENO for the program).
  explicit TCheckedOutput(int fd);
  ~TCheckedOutput() override;

  TCheckedOutput(const TCheckedOutput&) = delete;
  TCheckedOutput& operator=(const TCheckedOutput&) = delete;

  // Writes what is gathered and closes the descriptor.  False when that or
  // any write before failed.  A descriptor that was never written to and is
  // already closed is no failure.
  bool Finish();

  // Why the output could not be written ("No space left on device"); empty
  // while nothing failed.
  std::string ErrorText() const;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  // Writes the gathered bytes; false once anything failed.
  bool Flush();

  int FFd;
  std::vector<char> FBuffer;
  int FError = 0;  // the errno of the first failure
  bool FWritten = false;
  bool FFinished = false;
};

}  // namespace ostrane
