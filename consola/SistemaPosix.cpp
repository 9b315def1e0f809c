// La plataforma en los sistemas POSIX (Linux, macOS, los BSD): read, write,
// isatty y poll sobre los descriptores, y el modo tecla del terminal con sus
// manejadores de señales.

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <exception>

#include "Sistema.h"

namespace consola {
namespace sistema {

// ---------------------------------------------------------------------------
// Lectura y escritura
//
// Un descriptor que otro programa dejó sin bloqueo (O_NONBLOCK: la marca es
// de todos los procesos que lo comparten) no espera: la lectura o la
// escritura que tendría que esperar da EAGAIN. Entonces se espera con poll a
// que esté listo y se sigue, sin perder nada y sin tocar sus marcas.

namespace {

// Devuelve true si hay que repetir la llamada que falló con `error`: si la
// cortó una señal, o si el descriptor no tenía bytes, o sitio, y ya los
// tiene. `suceso` es POLLIN para leer y POLLOUT para escribir.
bool repetir(int error, int descriptor, short suceso) {
  if (error == EINTR) {
    return true;
  }
  if (error != EAGAIN && error != EWOULDBLOCK) {
    return false;
  }
  pollfd sondeo{descriptor, suceso, 0};
  int listos = 0;
  do {
    listos = poll(&sondeo, 1, -1);  // sin plazo, como una llamada que espera
  } while (listos < 0 && errno == EINTR);
  return listos > 0;
}

}  // namespace

Lectura leer(int descriptor, char* destino, std::size_t cuantos) {
  for (;;) {
    const ssize_t leidos = read(descriptor, destino, cuantos);
    if (leidos > 0) {
      return Lectura{static_cast<std::size_t>(leidos), false, 0};
    }
    if (leidos == 0) {
      return Lectura{0, true, 0};
    }
    const int error = errno;
    if (!repetir(error, descriptor, POLLIN)) {
      return Lectura{0, false, error};
    }
  }
}

int escribir(int descriptor, const char* datos, std::size_t cuantos) {
  while (cuantos > 0) {
    const ssize_t escritos = write(descriptor, datos, cuantos);
    if (escritos < 0) {
      const int error = errno;
      if (!repetir(error, descriptor, POLLOUT)) {
        return error;
      }
      continue;
    }
    datos += escritos;
    cuantos -= static_cast<std::size_t>(escritos);
  }
  return 0;
}

bool esTerminal(int descriptor) { return isatty(descriptor) == 1; }

Espera esperarBytes(int descriptor, int esperaMs) {
  pollfd sondeo{descriptor, POLLIN, 0};
  const int listos = poll(&sondeo, 1, esperaMs);
  if (listos == 0) {
    return Espera::kAgotada;
  }
  if (listos < 0 && errno == EINTR) {
    return Espera::kInterrumpida;
  }
  // Listo, o un descriptor que poll no sabe vigilar: la lectura dirá qué hay.
  return Espera::kLista;
}

// ---------------------------------------------------------------------------
// El intérprete de órdenes: no hay ninguno que limpie o pause; la capa lo hace
// por su cuenta.

bool hayInterprete() { return false; }

// Nunca se llama, pues hayInterprete() es falso.
void ejecutarEnInterprete(Orden /*orden*/) {}

// ---------------------------------------------------------------------------
// El modo tecla
//
// Un manejador de señales no recibe más que el número de la señal: lo que
// necesita saber del terminal vive en `estado`, el único estado global de la
// capa. Los manejadores solo hacen llamadas seguras dentro de una señal
// (async-signal-safe).

namespace {

// Las señales cuya acción por defecto termina el programa, salvo SIGKILL,
// que nadie puede atrapar. Cada sistema tiene algunas propias; las de tiempo
// real las añade anadirTiempoReal(), pues sus números se saben al ejecutar.
constexpr int kTerminan[] = {
    SIGHUP,    SIGINT,  SIGQUIT,   SIGILL,  SIGTRAP, SIGABRT, SIGBUS,
    SIGFPE,    SIGUSR1, SIGSEGV,   SIGUSR2, SIGPIPE, SIGALRM, SIGTERM,
    SIGXCPU,   SIGXFSZ, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGPOLL
    SIGPOLL,  // SIGIO en Linux; en los BSD, SIGIO no termina el programa
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGEMT
    SIGEMT,
#endif
};

// Las que lo paran, salvo SIGSTOP, que tampoco se puede atrapar.
constexpr int kParan[] = {SIGTSTP, SIGTTIN, SIGTTOU};

#ifdef SIGRTMIN
void anadirTiempoReal(sigset_t& senales) {
  for (int senal = SIGRTMIN; senal <= SIGRTMAX; ++senal) {
    sigaddset(&senales, senal);
  }
}
#else
void anadirTiempoReal(sigset_t& /*senales*/) {}
#endif

// Las señales del modo tecla: las que terminan el programa, las que lo
// paran y SIGCONT.
sigset_t senalesDelModo() {
  sigset_t senales;
  sigemptyset(&senales);
  for (const int senal : kTerminan) {
    sigaddset(&senales, senal);
  }
  anadirTiempoReal(senales);
  for (const int senal : kParan) {
    sigaddset(&senales, senal);
  }
  sigaddset(&senales, SIGCONT);
  return senales;
}

// En segundo plano, la pausa mira de quién es el terminal tras cada tramo
// de esta duración.
constexpr int kTramoEnFondoMs = 200;

struct EstadoTerminal {
  // Hay un ModoTecla vivo, sea o no de un terminal.
  bool hayUno = false;
  int descriptor = -1;
  termios normal{};  // el modo que había: vuelve por cualquier camino
  termios tecla{};   // el modo tecla, tal como lo guarda el terminal
  // El terminal está en el modo tecla que puso el programa.
  volatile std::sig_atomic_t puesto = 0;
  // Llegó SIGCONT; lo mira y lo borra la espera de la pausa.
  volatile std::sig_atomic_t continuado = 0;
  sigset_t delModo{};  // las señales del modo tecla
  // Las que tomó el modo tecla, y lo que había en cada una, que vuelve al
  // destruirlo; también lo que hacía std::terminate.
  sigset_t tomadas{};
  struct sigaction anteriores[NSIG] {};
  std::terminate_handler anteriorTerminar = nullptr;
};

EstadoTerminal estado;  // NOLINT(*-avoid-non-const-global-variables)

// Mientras vive, no llega ninguna de las señales del modo: el modo, los
// manejadores y `estado` cambian a la vez, sin que una señal los vea a
// medias. Con SIGTTOU bloqueada, además, el terminal admite un cambio de modo
// aunque el programa esté en segundo plano (es lo que se quiere al devolverle
// su modo normal).
class SenalesBloqueadas {
 public:
  SenalesBloqueadas() { sigprocmask(SIG_BLOCK, &estado.delModo, &anterior_); }
  ~SenalesBloqueadas() { sigprocmask(SIG_SETMASK, &anterior_, nullptr); }

  SenalesBloqueadas(const SenalesBloqueadas&) = delete;
  SenalesBloqueadas& operator=(const SenalesBloqueadas&) = delete;

 private:
  sigset_t anterior_{};
};

bool mismoModo(const termios& uno, const termios& otro) {
  if (uno.c_iflag != otro.c_iflag || uno.c_oflag != otro.c_oflag ||
      uno.c_cflag != otro.c_cflag || uno.c_lflag != otro.c_lflag) {
    return false;
  }
  for (int i = 0; i < NCCS; ++i) {
    if (uno.c_cc[i] != otro.c_cc[i]) {
      return false;
    }
  }
  return true;
}

// Devuelve true si el terminal sigue en el modo tecla que puso el programa.
// Si otro lo cambió (el intérprete de órdenes, que toma el terminal cuando el
// programa se para con SIGSTOP), el modo del terminal ya no es cosa del
// programa.
bool sigueEnModoTecla() {
  termios actual{};
  return estado.puesto != 0 && tcgetattr(estado.descriptor, &actual) == 0 &&
         mismoModo(actual, estado.tecla);
}

// Devuelve al terminal el modo que tenía, si aún está en el del programa.
void restaurarModo() {
  if (sigueEnModoTecla()) {
    tcsetattr(estado.descriptor, TCSANOW, &estado.normal);
  }
  estado.puesto = 0;
}

// Pone el modo tecla a partir del modo que tiene ahora el terminal, que es
// el que volverá.
void ponerModoTecla() {
  if (tcgetattr(estado.descriptor, &estado.normal) != 0) {
    return;
  }
  estado.tecla = estado.normal;
  estado.tecla.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  estado.tecla.c_cc[VMIN] = 1;
  estado.tecla.c_cc[VTIME] = 0;
  if (tcsetattr(estado.descriptor, TCSANOW, &estado.tecla) == 0) {
    tcgetattr(estado.descriptor, &estado.tecla);
    estado.puesto = 1;
  }
}

// Devuelve true si el grupo de procesos del programa es el del primer plano
// del terminal. Sin respuesta (un error, o ningún grupo, como en el terminal
// que emula Emscripten en el navegador), se toma por el primer plano: mejor eso
// que esperar para siempre.
bool enPrimerPlano() {
  const pid_t grupo = tcgetpgrp(estado.descriptor);
  return grupo <= 0 || grupo == getpgrp();
}

// Pone el modo tecla, si falta, en cuanto el programa está en el primer
// plano. En segundo plano el terminal es de otro (el intérprete de órdenes):
// se espera, a tramos y sin tocarlo, a que vuelva. Una lectura allí pararía
// el programa con SIGTTIN, y un cambio de modo con SIGTTOU; pero quien lanzó
// el programa puede ignorarlas, y entonces tcsetattr cambiaría el terminal
// del intérprete de órdenes: la espera no cuenta con ellas.
//
// Devuelve true si el modo se pone de nuevo tras continuar el programa.
bool ponerEnPrimerPlano() {
  bool continuado = false;
  for (;;) {
    {
      const SenalesBloqueadas bloqueadas;
      if (estado.continuado != 0) {
        // Tras continuar, el modo sigue puesto solo si el terminal aún lo
        // tiene. Si lo tiene, el SIGCONT no siguió a ninguna parada que
        // cambiara nada: no hay que repetir el aviso.
        estado.continuado = 0;
        continuado = true;
        estado.puesto = sigueEnModoTecla() ? 1 : 0;
      }
      if (enPrimerPlano()) {
        if (estado.puesto != 0) {
          return false;
        }
        ponerModoTecla();
        return continuado;
      }
      restaurarModo();  // si aún estaba puesto, fuera: el terminal es de otro
    }
    poll(nullptr, 0, kTramoEnFondoMs);  // una señal corta antes el tramo
  }
}

void desbloquear(int senal) {
  sigset_t conjunto;
  sigemptyset(&conjunto);
  sigaddset(&conjunto, senal);
  sigprocmask(SIG_UNBLOCK, &conjunto, nullptr);
}

void porDefecto(int senal) {
  struct sigaction accion {};
  accion.sa_handler = SIG_DFL;
  sigemptyset(&accion.sa_mask);
  sigaction(senal, &accion, nullptr);
}

// Mientras se atiende una señal del modo, las demás esperan; y sin
// SA_RESTART, la pausa ve cortada su espera.
void instalar(int senal, void (*manejador)(int)) {
  struct sigaction accion {};
  accion.sa_handler = manejador;
  accion.sa_mask = estado.delModo;
  accion.sa_flags = 0;
  sigaction(senal, &accion, nullptr);
}

// Devuelve el modo normal y deja que la señal haga lo que haría sin el modo
// tecla: terminar el programa o pararlo.
extern "C" void alRecibirSenal(int senal) {
  const int errnoGuardado = errno;
  restaurarModo();
  porDefecto(senal);
  desbloquear(senal);
  static_cast<void>(raise(senal));  // un manejador no tiene a quién avisar
  // Solo una parada vuelve aquí, cuando el programa continúa (o cuando el
  // sistema la descarta, en un grupo de procesos huérfano): la espera de la
  // pausa pone otra vez el modo tecla.
  instalar(senal, alRecibirSenal);
  errno = errnoGuardado;
}

// Solo lo anota: la espera de la pausa mira después si cambió algo.
extern "C" void alContinuar(int /*senal*/) { estado.continuado = 1; }

// Toma `senal` para el modo tecla solo si está en su acción por defecto. Una
// que se ignoraba (SIGHUP bajo nohup) sigue ignorada, y una con manejador
// propio sigue siendo de quien lo puso, que responde de ella: así no se
// pisan los manejadores de SIGSEGV, SIGBUS y SIGFPE de los sanitizadores.
void tomar(int senal) {
  struct sigaction& anterior = estado.anteriores[senal];
  if (sigaction(senal, nullptr, &anterior) == 0 &&
      anterior.sa_handler == SIG_DFL) {
    instalar(senal, senal == SIGCONT ? alContinuar : alRecibirSenal);
    sigaddset(&estado.tomadas, senal);
  }
}

extern "C" void alSalir() {
  const SenalesBloqueadas bloqueadas;
  restaurarModo();
}

// std::terminate con el modo puesto: una excepción que nadie captura, o
// memoria que se acaba al guardar lo escrito por adelantado. Devuelve el
// modo y sigue con lo que había (de ordinario, abort).
[[noreturn]] void alTerminar() {
  alSalir();
  if (estado.anteriorTerminar != nullptr) {
    estado.anteriorTerminar();
  }
  std::abort();
}

}  // namespace

ModoTecla::ModoTecla(int descriptor) : activo_(false), reanudado_(false) {
  assert(!estado.hayUno && "solo puede existir un ModoTecla a la vez");
  estado.hayUno = true;
  if (!esTerminal(descriptor)) {
    return;
  }
  // También exit() devuelve el modo; basta con registrarlo una vez.
  static const bool kRegistrado = std::atexit(alSalir) == 0;
  static_cast<void>(kRegistrado);

  estado.descriptor = descriptor;
  estado.delModo = senalesDelModo();
  {
    const SenalesBloqueadas bloqueadas;
    sigemptyset(&estado.tomadas);
    for (int senal = 1; senal < NSIG; ++senal) {
      if (sigismember(&estado.delModo, senal) == 1) {
        tomar(senal);
      }
    }
    estado.anteriorTerminar = std::set_terminate(alTerminar);
    estado.puesto = 0;
    estado.continuado = 0;
  }
  activo_ = true;
  reanudado_ = ponerEnPrimerPlano();
}

ModoTecla::~ModoTecla() {
  estado.hayUno = false;
  if (!activo_) {
    return;
  }
  const SenalesBloqueadas bloqueadas;
  restaurarModo();
  for (int senal = 1; senal < NSIG; ++senal) {
    if (sigismember(&estado.tomadas, senal) == 1) {
      sigaction(senal, &estado.anteriores[senal], nullptr);
    }
  }
  std::set_terminate(estado.anteriorTerminar);
}

bool ModoTecla::reanudado() {
  if (!activo_) {
    return false;
  }
  const bool repuesto = ponerEnPrimerPlano();
  const bool reanudado = reanudado_ || repuesto;
  reanudado_ = false;
  return reanudado;
}

}  // namespace sistema
}  // namespace consola
