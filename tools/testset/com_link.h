#pragma once
// The COM<n> link through which Orvane Reporter finds the terminal: a symbolic link in the
// program's ports folder, present while the test set runs.

#include <string>

namespace testset {

// $XDG_CONFIG_HOME/Kavrel/ports, or ~/.config/Kavrel/ports: the folder the program reads.
std::string DefaultPortsFolder();

class ComLink {
  public:
    ComLink() = default;
    ~ComLink() { Remove(); }
    ComLink(const ComLink&) = delete;
    ComLink& operator=(const ComLink&) = delete;

    // Makes <folder>/COM<number> a link to `device`, replacing what was there.
    bool Publish(const std::string& folder, int number, const std::string& device,
                 std::string& error);
    // Removes the link unless another program has pointed it elsewhere since.
    void Remove();

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::string device_;
};

} // namespace testset
