#include "receipts/transport.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

extern char** environ;

namespace receipts {

namespace {

constexpr int kConnectTimeoutMs = 3000;
constexpr int kSendTimeoutMs = 10000;

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

std::string reason(int error) {
    return std::strerror(error);
}

// Waits until `fd` can take data; false when the time ran out.
bool waitWritable(int fd, int timeoutMs) {
    pollfd entry{fd, POLLOUT, 0};
    int ready;
    do ready = ::poll(&entry, 1, timeoutMs);
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// Writes all of `bytes`, waiting for a slow printer up to the send timeout; `send` for
// sockets so a printer closing the connection is an error, not a signal.
void writeAll(int fd, std::string_view bytes, bool socket, const std::string& where) {
    while (!bytes.empty()) {
        const ssize_t written = socket ? ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                       : ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitWritable(fd, kSendTimeoutMs))
                throw PrinterError("A impressora de recibos em " + where +
                                   " parou de receber os dados (sem papel, tampa aberta ou desligada?).");
            continue;
        }
        if (written < 0)
            throw PrinterError("A impressora de recibos em " + where +
                               " não aceitou os dados: " + reason(errno) + ".");
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void sendToNetwork(const PrinterSettings& settings, std::string_view bytes) {
    const std::string where = settings.host + ":" + std::to_string(settings.port);
    if (settings.host.empty()) throw PrinterError("Indique o endereço da impressora de recibos.");
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(settings.host.c_str(), std::to_string(settings.port).c_str(), &hints, &found) != 0)
        throw PrinterError("O endereço da impressora de recibos (" + settings.host +
                           ") não foi encontrado na rede.");
    std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> addresses(found, &::freeaddrinfo);

    std::string failure = "não respondeu";
    for (const addrinfo* address = found; address; address = address->ai_next) {
        Descriptor socket(::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                                   address->ai_protocol));
        if (socket.get() < 0) continue;
        if (::connect(socket.get(), address->ai_addr, address->ai_addrlen) < 0) {
            if (errno != EINPROGRESS) {
                failure = errno == ECONNREFUSED ? "recusou a conexão" : reason(errno);
                continue;
            }
            if (!waitWritable(socket.get(), kConnectTimeoutMs)) {
                failure = "não respondeu";
                continue;
            }
            int error = 0;
            socklen_t length = sizeof error;
            ::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &length);
            if (error != 0) {
                failure = error == ECONNREFUSED ? "recusou a conexão" : reason(error);
                continue;
            }
        }
        writeAll(socket.get(), bytes, true, where);
        ::shutdown(socket.get(), SHUT_WR);
        return;
    }
    throw PrinterError("A impressora de recibos em " + where + " " + failure +
                       ". Verifique se está ligada e conectada à rede.");
}

void sendToDevice(const PrinterSettings& settings, std::string_view bytes) {
    const int fd = ::open(settings.device.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_APPEND);
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM)
            throw PrinterError("Sem permissão para escrever em " + settings.device +
                               ". O usuário precisa pertencer ao grupo lp.");
        if (error == ENOENT || error == ENODEV || error == ENXIO)
            throw PrinterError("A impressora de recibos não foi encontrada em " + settings.device +
                               ". Verifique o cabo e se está ligada.");
        throw PrinterError("Não foi possível abrir " + settings.device + ": " + reason(error) + ".");
    }
    Descriptor device(fd);
    writeAll(device.get(), bytes, false, settings.device);
}

// The bytes go through a file of their own: lp copies it to the spooler before it returns.
void sendToCups(const PrinterSettings& settings, std::string_view bytes) {
    if (settings.queue.empty()) throw PrinterError("Indique a fila do CUPS da impressora de recibos.");
    std::string path = (std::filesystem::temp_directory_path() / "velmora-recibo-XXXXXX").string();
    const int fd = ::mkstemp(path.data());
    if (fd < 0) throw PrinterError("Não foi possível preparar o recibo para o CUPS: " + reason(errno) + ".");
    struct Remove {
        std::string path;
        ~Remove() { std::filesystem::remove(path); }
    } removeAfterwards{path};
    {
        Descriptor file(fd);
        writeAll(file.get(), bytes, false, path);
    }
    std::vector<std::string> arguments{"lp", "-s", "-d", settings.queue, "-o", "raw", path};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, "lp", nullptr, nullptr, argv.data(), environ) != 0)
        throw PrinterError("O comando lp do CUPS não está instalado (pacote cups-client).");
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw PrinterError("O CUPS recusou o recibo na fila " + settings.queue +
                           ". Verifique se a fila existe e está ativa.");
}

}  // namespace

void sendToPrinter(const PrinterSettings& settings, std::string_view bytes) {
    switch (settings.transport) {
        case Transport::None:
            return;
        case Transport::Network:
            return sendToNetwork(settings, bytes);
        case Transport::Device:
            return sendToDevice(settings, bytes);
        case Transport::Cups:
            return sendToCups(settings, bytes);
    }
}

}  // namespace receipts
