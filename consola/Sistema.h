#ifndef CONSOLA_SISTEMA_H_
#define CONSOLA_SISTEMA_H_

#include <cstddef>

namespace consola {
namespace sistema {

// La frontera con el sistema operativo: todo lo que la capa de consola pide
// al sistema operativo pasa por aquí, y nada más en la capa cambia de una
// plataforma a otra. Cada plataforma lo define en un solo fichero
// (SistemaPosix.cpp, SistemaWindows.cpp): llevar la capa a otra es escribir
// uno más y nombrarlo en CMakeLists.txt. Tiene tres partes:
//
// - la lectura y la escritura de los descriptores estándar;
// - el intérprete de órdenes, donde la plataforma limpia la pantalla y hace
//   la pausa con el suyo;
// - el modo tecla, en el que la pausa propia de la capa lee una pulsación.
//
// Una llamada cortada por una señal se repite, salvo la espera de
// esperarBytes, que avisa del corte. Una lectura o una escritura espera también
// en un descriptor que otro programa dejó sin bloqueo (O_NONBLOCK), hasta que
// pueda seguir.

// ---------------------------------------------------------------------------
// Lectura y escritura

// Los tres descriptores estándar.
constexpr int kEntrada = 0;
constexpr int kSalida = 1;
constexpr int kErrores = 2;

// Lo que dio una lectura de un descriptor.
struct Lectura {
  std::size_t bytes;  // cuántos se leyeron; 0 al final o con un error
  bool fin;           // se llegó al final de la entrada
  int error;          // el número de error del sistema, o 0
};

// Lee como mucho `cuantos` bytes; espera a que llegue el primero.
Lectura leer(int descriptor, char* destino, std::size_t cuantos);

// Escribe los `cuantos` bytes. Devuelve 0, o el número de error del sistema
// de la escritura que falló.
int escribir(int descriptor, const char* datos, std::size_t cuantos);

// Devuelve true si `descriptor` es un terminal, y no una tubería o un
// fichero.
bool esTerminal(int descriptor);

// Cómo terminó una espera de entrada.
enum class Espera {
  kLista,         // leer no esperará: hay un byte, el final o un error
  kAgotada,       // se acabó el tiempo
  kInterrumpida,  // antes llegó una señal
};

// Espera como mucho `esperaMs` milisegundos a que `descriptor` pueda leerse
// sin esperar. Solo la usa la pausa propia de la capa, en un terminal.
Espera esperarBytes(int descriptor, int esperaMs);

// ---------------------------------------------------------------------------
// El intérprete de órdenes

// Las dos órdenes de pantalla de un intérprete de órdenes.
enum class Orden {
  kLimpiar,  // "cls"
  kPausar,   // "pause": escribe su propio aviso y espera una tecla
};

// Devuelve true si la plataforma limpia la pantalla y espera la tecla con las
// órdenes de su intérprete (en Windows, "cls" y "pause"). Donde no, la capa
// lo hace por su cuenta, sin lanzar ningún proceso.
bool hayInterprete();

// Ejecuta `orden` en el intérprete, donde hayInterprete(). El intérprete
// escribe en la consola por su cuenta, así que quien lo llama vacía antes la
// salida del programa (SalidaEstandar.h).
void ejecutarEnInterprete(Orden orden);

// ---------------------------------------------------------------------------
// El modo tecla

// Mientras vive, el terminal `descriptor` está en el modo en que se lee una
// sola pulsación: sin esperar a Intro y sin eco, y con Ctrl+C y Ctrl+Z
// enviando aún sus señales. No lee nada; la tecla la lee EntradaEstandar.
//
// El modo solo se pone mientras el grupo de procesos del programa tiene el
// primer plano del terminal. En segundo plano el terminal es de otro (el
// intérprete de órdenes): el constructor y reanudado() esperan, sin tocarlo,
// a que vuelva.
//
// El terminal recupera exactamente el modo que tenía por cualquier camino de
// salida: la destrucción, exit(), std::terminate y toda señal cuya acción
// por defecto termina o para el programa. Una señal que lo termina se lanza
// otra vez con esa acción, y el programa muere de ella como de costumbre.
// Solo se toman las señales que están en su acción por defecto: una que se
// ignoraba sigue ignorada, y una con manejador propio sigue siendo de quien
// lo puso.
//
// Solo puede existir uno a la vez: todos comparten el único terminal y sus
// señales. En POSIX, crear un segundo detiene el programa con una aserción
// en las compilaciones de depuración. Donde la pausa es la del intérprete de
// órdenes (Windows), no cambia nada.
class ModoTecla {
 public:
  // Deja `descriptor` como está si no es un terminal.
  explicit ModoTecla(int descriptor);
  ~ModoTecla();

  ModoTecla(const ModoTecla&) = delete;
  ModoTecla& operator=(const ModoTecla&) = delete;

  // Devuelve true si se ha vuelto a poner el modo, desde que se construyó o
  // desde la última llamada, porque el programa se paró y siguió (Ctrl+Z y
  // fg, o SIGSTOP y el intérprete de órdenes tomó el terminal). Un SIGCONT
  // sin parada no cuenta. Si el programa sigue en segundo plano, antes espera
  // a volver al primer plano.
  bool reanudado();

 private:
  // Vale false si no se cambió nada, porque el descriptor no era un terminal.
  bool activo_;
  // El constructor ya tuvo que ponerlo de nuevo: esperó en segundo plano.
  bool reanudado_;
};

}  // namespace sistema
}  // namespace consola

#endif  // CONSOLA_SISTEMA_H_
