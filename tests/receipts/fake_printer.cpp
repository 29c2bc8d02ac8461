#include "receipts/fake_printer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace receiptstest {

namespace {

int listening(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        throw std::runtime_error("the fake printer cannot listen on port " + std::to_string(port));
    }
    return fd;
}

int boundPort(int fd) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

}  // namespace

FakePrinter::FakePrinter(int port) : listener_(listening(port)), port_(boundPort(listener_)) {
    thread_ = std::thread([this] { serve(); });
}

FakePrinter::~FakePrinter() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
}

void FakePrinter::serve() {
    while (!stopping_) {
        pollfd entry{listener_, POLLIN, 0};
        if (::poll(&entry, 1, 50) < 0) return;
        if (!(entry.revents & POLLIN)) continue;
        const int connection = ::accept(listener_, nullptr, nullptr);
        if (connection < 0) return;
        std::string job;
        char buffer[4096];
        ssize_t got;
        while ((got = ::read(connection, buffer, sizeof buffer)) > 0)
            job.append(buffer, static_cast<std::size_t>(got));
        ::close(connection);
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
        received_.notify_all();
    }
}

std::vector<std::string> FakePrinter::jobs(std::size_t count) {
    std::unique_lock lock(mutex_);
    received_.wait_for(lock, std::chrono::seconds(5), [&] { return jobs_.size() >= count; });
    return jobs_;
}

int closedPort() {
    const int fd = listening(0);
    const int port = boundPort(fd);
    ::close(fd);
    return port;
}

}  // namespace receiptstest
