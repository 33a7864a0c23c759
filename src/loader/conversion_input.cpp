#include "loader/conversion_input.h"

#include <algorithm>

#include "loader/disk_conversion.h"
#include "loader/load_decisions.h"
#include "platform/file_message.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {

const char kCannotOpenInput[] = "Cannot open input file!!";

namespace {

// Records for each thread in a block.
constexpr std::size_t kBatchBytes = std::size_t{1} << 20;

}  // namespace

bool AppendableFile(const std::string& path, const SegyBinaryInfo& info, Prompter& prompter,
                    bool quiet) {
  SegyInput input;
  std::string headers(kSegyFileHeaderBytes, '\0');
  if (input.Open(path)) headers.resize(input.Read(headers.data(), headers.size()));
  std::string refusal = input.IsOpen() ? AppendRefusal(path, headers, info) : "";
  if (!refusal.empty() && !quiet) prompter.Tell(refusal, "Error", MessageIcon::Error);
  return refusal.empty();
}

AppendingInput::AppendingInput(const SegyBinaryInfo& info, int threads, LoadDecisions& decisions,
                               Prompter& prompter)
    : info_(info),
      threads_(threads),
      record_bytes_(static_cast<std::size_t>(SegyRecordBytes(info))),
      decisions_(decisions),
      prompter_(prompter) {}

bool AppendingInput::Open(const std::string& path) {
  path_ = path;
  input_.SetThreads(threads_);
  return input_.Open(path, record_bytes_);
}

std::size_t AppendingInput::Next(unsigned char* out, std::size_t count,
                                 const SegyRecordReader::PieceVisitor& visit, std::size_t done) {
  while (done < count && !ended_) {
    done = ReadOn(out, done, count, visit);
    if (done == count) break;
    // A file cut off inside a trace: that trace is not loaded, and the user is told.
    if (const std::size_t cut = input_.cut_bytes(); cut > 0)
      prompter_.Tell(FormatText("%s ends inside a trace: %zu of its %zu bytes are missing, "
                                "and it is not loaded",
                                path_.c_str(), record_bytes_ - cut, record_bytes_),
                     "Warning", MessageIcon::Warning);
    std::optional<std::string> next = decisions_.AppendFile();
    ended_ = !next || !OpenAppended(*next);
  }
  return done;
}

std::size_t AppendingInput::ReadOn(unsigned char* out, std::size_t done, std::size_t count,
                                   const SegyRecordReader::PieceVisitor& visit,
                                   const std::function<void()>& first_on_caller) {
  if (ended_ || done >= count) return done;
  auto from_out = [&](int worker, unsigned char*, std::size_t first, std::size_t n) {
    visit(worker, out, done + first, n);
  };
  return done + input_.Read(out + done * record_bytes_, count - done, from_out, first_on_caller);
}

bool AppendingInput::OpenAppended(const std::string& path) {
  input_.Close();
  path_ = path;
  if (!input_.Open(path, record_bytes_)) {
    prompter_.Tell(NamingFile(kCannotOpenInput, path), "", MessageIcon::Warning);
    return false;
  }
  return AppendableFile(path, info_, prompter_, false);
}

DecodedBatch::DecodedBatch(const SegyBinaryInfo& info, const TimeWindow& window, bool no_scaling,
                           int threads, std::optional<double> final_scale)
    : info_(info),
      window_(window),
      no_scaling_(no_scaling),
      threads_(std::max(threads, 1)),
      final_scale_(final_scale),
      record_bytes_(static_cast<std::size_t>(SegyRecordBytes(info))),
      samples_(static_cast<std::size_t>(window.num_samples)),
      capacity_(RecordsPerBlock(record_bytes_, kBatchBytes * static_cast<std::size_t>(threads_))) {
  records_.resize(record_bytes_ * capacity_);
  scaled_.resize(samples_ * capacity_);
  maxima_.resize(capacity_);
  decoded_.assign(static_cast<std::size_t>(threads_), std::vector<float>(samples_));
}

void DecodedBatch::Prefetch(AppendingInput& input, const std::function<void()>& meanwhile) {
  bool ran = false;
  auto once = [&] {
    ran = true;
    if (meanwhile) meanwhile();
  };
  size_ = static_cast<int>(input.ReadOn(records_.data(), 0, capacity_, Converter(), once));
  if (!ran) once();  // the read was not shared out, or nothing was left to read
}

bool DecodedBatch::Complete(AppendingInput& input) {
  size_ = static_cast<int>(
      input.Next(records_.data(), capacity_, Converter(), static_cast<std::size_t>(size_)));
  return size_ > 0;
}

SegyRecordReader::PieceVisitor DecodedBatch::Converter() {
  return [this](int worker, unsigned char*, std::size_t first, std::size_t n) {
    for (std::size_t k = first; k < first + n; ++k)
      maxima_[k] = ConvertRecord(records_.data() + k * record_bytes_, info_, window_, no_scaling_,
                                 final_scale_, decoded_[static_cast<std::size_t>(worker)].data(),
                                 scaled_.data() + k * samples_);
  };
}

}  // namespace quarrix
