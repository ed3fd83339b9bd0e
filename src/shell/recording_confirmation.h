// A confirmation that nobody answers: it records each question and gives the answers it was
// told, refusing when it has none left.
#pragma once

#include <deque>
#include <vector>

#include "shell/start_request.h"

namespace zeb::shell {

class RecordingConfirmation final : public Confirmation {
 public:
  Consent confirm(const ConfirmationRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return Consent::refused;
    const Consent answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<Consent> answers;
  std::vector<ConfirmationRequest> requests;
};

}  // namespace zeb::shell
