#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "Commands.h"
#include "HeaderReport.h"
#include "Preview.h"
#include "Progress.h"
#include "export/BrightenFile.h"

namespace quindle::tool {
namespace {

struct Options {
  std::vector<std::string> files;
  std::string outputDir;
  bool inPlace = false;
  std::int32_t red = 100;
  std::int32_t green = 100;
  std::int32_t blue = 100;
  unsigned jobs = 0;
  bool quiet = false;
  std::string preview;
};

struct Job {
  std::string input;
  std::string output;
};

// One file, the same path as the exported function; false with a message on failure.
bool RunJob(const Job& job, const Options& options, Progress& progress) {
  BrightnessOutcome outcome;
  try {
    outcome = BrightenFile(job.input.c_str(), job.output.c_str(), options.red, options.green,
                           options.blue);
  } catch (const std::bad_alloc&) {
    outcome.load = LoadStatus::OutOfMemory;
  }
  if (outcome.load != LoadStatus::Loaded) {
    HeaderReport report = InspectHeaders(job.input);
    if (outcome.load == LoadStatus::CannotOpen) report.openError = outcome.openError;
    progress.Message("quindle-bmp: " + job.input + ": " + LoadFailureReason(report, outcome.load));
    return false;
  }
  if (outcome.saveError) {
    progress.Message("quindle-bmp: " + job.output + ": cannot write: " + outcome.saveError.message());
    return false;
  }
  return true;
}

int RunBatch(const std::vector<Job>& jobs, const Options& options) {
  const bool batch = jobs.size() > 1 || !options.outputDir.empty() || options.inPlace;
  Progress progress(jobs.size(), options.quiet || !batch);
  const unsigned hardware = std::max(1u, std::thread::hardware_concurrency());
  const auto workers = static_cast<unsigned>(
      std::min<std::size_t>(options.jobs == 0 ? hardware : options.jobs, jobs.size()));
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < jobs.size(); i = next++) {
      progress.FileDone(RunJob(jobs[i], options, progress));
    }
  };
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < workers; ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  progress.Finish();
  return progress.Failed() == 0 ? 0 : 1;
}

int RunSingleWithPreview(const Job& job, const Options& options) {
  BitmapImage before;
  const bool loaded = Load(before, job.input.c_str());
  Progress progress(1, true);
  if (!RunJob(job, options, progress)) return 1;
  BitmapImage after;
  if (!loaded || !Load(after, job.output.c_str())) {
    progress.Message("quindle-bmp: " + options.preview + ": cannot read back the output for the preview");
    return 1;
  }
  if (const std::error_code error = WritePreview(before, after, options.preview)) {
    progress.Message("quindle-bmp: " + options.preview + ": cannot write: " + error.message());
    return 1;
  }
  return 0;
}

int Run(const CLI::App& command, const Options& options) {
  if (!options.outputDir.empty() && options.inPlace) {
    return UsageError(command, "--output-dir and --in-place exclude each other");
  }
  std::vector<Job> jobs;
  if (options.inPlace) {
    for (const std::string& file : options.files) jobs.push_back({file, file});
  } else if (!options.outputDir.empty()) {
    std::set<std::string> names;
    for (const std::string& file : options.files) {
      const std::string name = std::filesystem::path(file).filename().string();
      if (!names.insert(name).second) {
        return UsageError(command, "two inputs are named " + name + "; their outputs would collide");
      }
      jobs.push_back({file, (std::filesystem::path(options.outputDir) / name).string()});
    }
  } else if (options.files.size() == 2) {
    jobs.push_back({options.files[0], options.files[1]});
  } else {
    return UsageError(command, "give INPUT OUTPUT, or several inputs with --output-dir DIR or --in-place");
  }
  if (!options.preview.empty()) {
    if (jobs.size() != 1) return UsageError(command, "--preview takes a single input");
    return RunSingleWithPreview(jobs.front(), options);
  }
  return RunBatch(jobs, options);
}

}  // namespace

void AddBrightnessCommand(CLI::App& app, int& exitStatus) {
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "brightness", "Scale the red, green and blue of every pixel by a percentage each");
  command->add_option("files", options->files, "INPUT OUTPUT, or the inputs of a batch")
      ->required()
      ->type_name("FILE...");
  command->add_option("-r,--red", options->red, "red in percent")->capture_default_str();
  command->add_option("-g,--green", options->green, "green in percent")->capture_default_str();
  command->add_option("-b,--blue", options->blue, "blue in percent")->capture_default_str();
  command->add_option("-o,--output-dir", options->outputDir,
                      "write each input under its own name into this folder")
      ->type_name("DIR");
  command->add_flag("-i,--in-place", options->inPlace, "replace each input with its result");
  command->add_option("-j,--jobs", options->jobs, "files processed at once (default: all cores)")
      ->check(CLI::Range(1u, 1024u));
  command->add_flag("-q,--quiet", options->quiet, "no progress bar and no summary");
  command->add_option("--preview", options->preview,
                      "also write a 24-bit before-and-after picture (single input only)")
      ->type_name("FILE");
  command->footer(
      "Examples:\n"
      "  quindle-bmp brightness photo.bmp warmer.bmp --red 120 --blue 80\n"
      "  quindle-bmp brightness --output-dir out/ --green 90 scans/*.bmp");
  command->callback([command, options, &exitStatus] { exitStatus = Run(*command, *options); });
}

}  // namespace quindle::tool
