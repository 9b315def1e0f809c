#include "TerminalDePrueba.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>
#include <string>
#include <thread>

namespace {

// Los plazos se cuentan con un reloj que no salta aunque cambie la hora.
using Reloj = std::chrono::steady_clock;

Reloj::time_point limiteTras(int esperaMs) {
  return Reloj::now() + std::chrono::milliseconds(esperaMs);
}

int restanteMs(Reloj::time_point limite) {
  const auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(
      limite - Reloj::now());
  return resta.count() > 0 ? static_cast<int>(resta.count()) : 0;
}

// Espera entrada en `descriptor`; si una señal corta la espera, la reanuda.
bool hayEntrada(int descriptor, int esperaMs) {
  const auto limite = limiteTras(esperaMs);
  pollfd sondeo{descriptor, POLLIN, 0};
  for (;;) {
    const int listos = poll(&sondeo, 1, restanteMs(limite));
    if (listos >= 0 || errno != EINTR) {
      return listos > 0;
    }
  }
}

// Lee exactamente `tamano` bytes en `esperaMs`.
bool leerCompleto(int descriptor, void* destino, size_t tamano, int esperaMs) {
  const auto limite = limiteTras(esperaMs);
  auto* bytes = static_cast<char*>(destino);
  size_t leidos = 0;
  while (leidos < tamano) {
    if (!hayEntrada(descriptor, restanteMs(limite))) {
      return false;
    }
    const ssize_t n = read(descriptor, bytes + leidos, tamano - leidos);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return false;
    }
    leidos += static_cast<size_t>(n);
  }
  return true;
}

// Escribe los `tamano` bytes, aunque una señal corte la escritura.
void escribirCompleto(int descriptor, const void* origen, size_t tamano) {
  const auto* bytes = static_cast<const char*>(origen);
  while (tamano > 0) {
    const ssize_t n = write(descriptor, bytes, tamano);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return;
    }
    bytes += n;
    tamano -= static_cast<size_t>(n);
  }
}

// Que el programa no herede `descriptor`: solo el terminal es suyo.
void cerrarAlEjecutar(int descriptor) {
  fcntl(descriptor, F_SETFD, FD_CLOEXEC);
}

// En el guardián: el terminal y el grupo del programa, para el manejador que
// pasa el primer plano de uno a otro.
int terminalDelGuardian = -1;
pid_t grupoDelPrograma = -1;

// En el guardián: SIGUSR2 da el primer plano al grupo del programa, SIGUSR1
// al del guardián.
extern "C" void alPedirPrimerPlano(int senal) {
  tcsetpgrp(terminalDelGuardian,
            senal == SIGUSR2 ? grupoDelPrograma : getpgrp());
}

// En el proceso del programa, antes del exec: un grupo de procesos propio en
// el primer plano del terminal, como el que da un intérprete de órdenes a un
// trabajo en primer plano; cada señal en su acción por omisión y desbloqueada,
// deje lo que deje quien ejecuta las pruebas, salvo las que pide `arranque`; y
// sin ficheros core por SIGQUIT.
void prepararPrograma(int terminal, const Arranque& arranque) {
  setpgid(0, 0);
  signal(SIGTTOU, SIG_IGN);  // así un grupo de fondo puede tomar el terminal
  tcsetpgrp(terminal, getpid());
  for (const int senal : {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGTSTP, SIGTTIN,
                          SIGTTOU, SIGPIPE, SIGCHLD}) {
    signal(senal, SIG_DFL);
  }
  sigset_t ninguna;
  sigemptyset(&ninguna);
  sigprocmask(SIG_SETMASK, &ninguna, nullptr);
  for (const int senal : arranque.ignoradas) {
    signal(senal, SIG_IGN);
  }
  const rlimit sinVolcado{0, 0};
  setrlimit(RLIMIT_CORE, &sinVolcado);
  const rlimit limite{arranque.limiteDeFichero, arranque.limiteDeFichero};
  setrlimit(RLIMIT_FSIZE, &limite);
  for (int estandar = 0; estandar <= 2; ++estandar) {
    dup2(terminal, estandar);
  }
  if (arranque.salida >= 0) {
    dup2(arranque.salida, 1);
  }
  if (terminal > 2) {
    close(terminal);
  }
}

// La letra del estado de un proceso en /proc/PID/stat (S: dormido) y su
// cuenta de llamadas write en /proc/PID/io; un estado vacío si ya no existe.
void estadoDe(pid_t pid, std::string& estado, long& escrituras) {
  const std::string carpeta = "/proc/" + std::to_string(pid);
  std::ifstream stat(carpeta + "/stat");
  std::string linea;
  std::getline(stat, linea);
  const size_t cierre = linea.rfind(')');
  estado = cierre == std::string::npos ? "" : linea.substr(cierre + 2, 1);
  std::ifstream io(carpeta + "/io");
  for (std::string campo; io >> campo >> escrituras;) {
    if (campo == "syscw:") {
      return;
    }
  }
  estado.clear();
}

}  // namespace

std::string enTerminal(const std::string& texto) {
  std::string mostrado;
  for (const char c : texto) {
    if (c == '\x04') {
      continue;
    }
    mostrado += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  return mostrado;
}

TerminalDePrueba::TerminalDePrueba(const termios* modo)
    : maestro_(-1),
      esclavo_(-1),
      estados_(-1),
      guardian_(-1),
      programa_(-1),
      terminado_(false),
      escrituras_(0) {
  if (openpty(&maestro_, &esclavo_, nullptr, modo, nullptr) != 0) {
    maestro_ = -1;
    esclavo_ = -1;
    return;
  }
  cerrarAlEjecutar(maestro_);
  cerrarAlEjecutar(esclavo_);
}

// Recoge los estados ya avisados; si el programa no ha terminado, lo mata, y
// al guardián con él.
TerminalDePrueba::~TerminalDePrueba() {
  int estado = 0;
  while (programa_ > 0 && !terminado_ && esperarEstado(estado, 0)) {
  }
  if (programa_ > 0 && !terminado_) {
    kill(programa_, SIGKILL);
  }
  if (guardian_ > 0) {
    kill(guardian_, SIGKILL);
    waitpid(guardian_, nullptr, 0);
  }
  for (const int descriptor : {maestro_, esclavo_, estados_}) {
    if (descriptor >= 0) {
      close(descriptor);
    }
  }
}

bool TerminalDePrueba::lanzar(const std::vector<std::string>& argumentos,
                              const Arranque& arranque) {
  if (!abierta() || guardian_ >= 0 || argumentos.empty()) {
    return false;
  }
  std::vector<char*> argv;
  for (const std::string& argumento : argumentos) {
    argv.push_back(const_cast<char*>(argumento.c_str()));
  }
  argv.push_back(nullptr);

  // Por esta tubería avisa el guardián: primero el pid del programa, luego
  // cada cambio de estado.
  int tuberia[2];
  if (pipe(tuberia) != 0) {
    return false;
  }
  cerrarAlEjecutar(tuberia[0]);
  cerrarAlEjecutar(tuberia[1]);
  if (arranque.sinBloqueo) {
    // La marca es de la descripción abierta que comparten la prueba y el
    // programa: se ve, al final, si el programa la dejó como estaba.
    fcntl(esclavo_, F_SETFL, fcntl(esclavo_, F_GETFL) | O_NONBLOCK);
  }
  guardian_ = fork();
  if (guardian_ == 0) {
    guardar(argv, tuberia[1], arranque);
  }
  close(tuberia[1]);
  estados_ = tuberia[0];
  if (guardian_ < 0) {
    return false;
  }
  pid_t programa = -1;
  if (!leerCompleto(estados_, &programa, sizeof programa, kEsperaMs)) {
    return false;
  }
  programa_ = programa;
  return true;
}

// El guardián abre la sesión con el terminal como terminal de control,
// arranca el programa y avisa de cada parada hasta su fin. Entretanto pasa el
// primer plano cuando se lo piden.
void TerminalDePrueba::guardar(const std::vector<char*>& argv, int avisos,
                               const Arranque& arranque) {
  close(maestro_);
  close(estados_);
  if (setsid() < 0 || ioctl(esclavo_, TIOCSCTTY, 0) != 0) {
    _exit(126);
  }
  const pid_t programa = fork();
  if (programa < 0) {
    _exit(126);
  }
  if (programa == 0) {
    close(avisos);
    prepararPrograma(esclavo_, arranque);
    execv(argv[0], argv.data());
    _exit(127);
  }
  setpgid(programa, programa);  // cualquiera de los dos puede ir primero
  terminalDelGuardian = esclavo_;
  grupoDelPrograma = programa;
  signal(SIGTTOU, SIG_IGN);  // en segundo plano también cambia el grupo
  struct sigaction pedir {};
  pedir.sa_handler = alPedirPrimerPlano;
  sigemptyset(&pedir.sa_mask);
  sigaction(SIGUSR1, &pedir, nullptr);
  sigaction(SIGUSR2, &pedir, nullptr);
  escribirCompleto(avisos, &programa, sizeof programa);
  for (;;) {
    int estado = 0;
    const pid_t cambiado = waitpid(programa, &estado, WUNTRACED);
    if (cambiado < 0 && errno == EINTR) {
      continue;
    }
    if (cambiado != programa) {
      _exit(1);
    }
    escribirCompleto(avisos, &estado, sizeof estado);
    if (!WIFSTOPPED(estado)) {
      _exit(0);
    }
  }
}

void TerminalDePrueba::teclear(const std::string& bytes) {
  escribirCompleto(maestro_, bytes.data(), bytes.size());
}

void TerminalDePrueba::enviarSenal(int senal) {
  if (programa_ > 0 && !terminado_) {
    kill(programa_, senal);
  }
}

bool TerminalDePrueba::primerPlano(bool alPrograma) {
  if (guardian_ <= 0 || programa_ <= 0) {
    return false;
  }
  kill(guardian_, alPrograma ? SIGUSR2 : SIGUSR1);
  // Desde el lado maestro se ve el grupo del primer plano del esclavo.
  const pid_t grupo = alPrograma ? programa_ : guardian_;
  const auto limite = limiteTras(kEsperaMs);
  while (tcgetpgrp(maestro_) != grupo) {
    if (restanteMs(limite) == 0) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

bool TerminalDePrueba::sinBloqueo() const {
  return (fcntl(esclavo_, F_GETFL) & O_NONBLOCK) != 0;
}

bool TerminalDePrueba::leerMaestro(int esperaMs) {
  if (!hayEntrada(maestro_, esperaMs)) {
    return false;
  }
  char bloque[4096];
  const ssize_t n = read(maestro_, bloque, sizeof bloque);
  if (n <= 0) {
    return false;
  }
  salida_.append(bloque, static_cast<size_t>(n));
  return true;
}

bool TerminalDePrueba::esperarSalida(const std::string& texto, int esperaMs,
                                     size_t desde) {
  const auto limite = limiteTras(esperaMs);
  while (salida_.find(texto, desde) == std::string::npos) {
    const int resta = restanteMs(limite);
    if (resta == 0) {
      return false;
    }
    leerMaestro(resta);
  }
  return true;
}

void TerminalDePrueba::recogerSalida(int esperaMs) {
  const auto limite = limiteTras(esperaMs);
  for (int resta = esperaMs; resta > 0; resta = restanteMs(limite)) {
    leerMaestro(resta);
  }
  while (leerMaestro(0)) {
  }
}

bool TerminalDePrueba::esperarEspera(int esperaMs) {
  const auto limite = limiteTras(esperaMs);
  long anteriores = -1;
  for (;;) {
    leerMaestro(2);
    std::string estado;
    long escrituras = 0;
    estadoDe(programa_, estado, escrituras);
    if (estado.empty() || estado == "Z" || estado == "X" || estado == "T" ||
        estado == "t") {
      return false;  // terminado o parado
    }
    if (estado == "S" && escrituras > escrituras_ && escrituras == anteriores) {
      escrituras_ = escrituras;
      return true;
    }
    if (restanteMs(limite) == 0) {
      return false;
    }
    anteriores = escrituras;
  }
}

termios TerminalDePrueba::modo() const {
  termios actual{};
  tcgetattr(esclavo_, &actual);
  return actual;
}

bool TerminalDePrueba::esperarModo(bool sinLineas, int esperaMs) {
  const auto limite = limiteTras(esperaMs);
  for (;;) {
    const bool lineas = (modo().c_lflag & ICANON) != 0;
    if (lineas != sinLineas) {
      return true;
    }
    if (restanteMs(limite) == 0) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

bool TerminalDePrueba::esperarEstado(int& estado, int esperaMs) {
  if (estados_ < 0 || terminado_) {
    return false;
  }
  if (!leerCompleto(estados_, &estado, sizeof estado, esperaMs)) {
    return false;
  }
  if (!WIFSTOPPED(estado)) {
    terminado_ = true;
  }
  return true;
}
