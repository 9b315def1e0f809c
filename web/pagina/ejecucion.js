// Una ejecución de un programa: el worker donde corre y lo que hace de núcleo
// entre él y el terminal de la página.
//
// El terminal (xterm.js) está unido a una disciplina de línea (xterm-pty):
// en modo línea hace el eco, borra con Retroceso, entrega la línea con Intro
// y el fin de la entrada con Ctrl+D; con Ctrl+C avisa de la señal. Aquí se
// guarda lo que entrega, en orden, hasta que el programa lo lee, como hace
// Linux con lo que se teclea por adelantado; el fin de la entrada queda en
// su sitio entre las líneas. Ctrl+C (y Ctrl+\) termina el programa; Ctrl+Z
// no hace nada, pues aquí no hay un intérprete de órdenes que lo reanude.
class Ejecucion {
  // Marca el fin de la entrada (Ctrl+D) en la cola de lo tecleado.
  static FIN = null;

  // Lo que el worker puede pedir: cada petición es un método de esta clase.
  static ORDENES = ['leer', 'esperar', 'escribir', 'leerModo', 'ponerModo', 'tamanio'];

  // `esclavo`: el lado del programa de la disciplina de línea; `terminal`:
  // el xterm.js; `alTerminar(resultado)` se llama una vez, al acabar, con
  // { estado } o { senal } o { fallo }.
  constructor(programa, esclavo, terminal, alTerminar) {
    this.esclavo = esclavo;
    this.terminal = terminal;
    this.alTerminar = alTerminar;
    // Lo tecleado que el programa aún no ha leído: trozos de bytes y FIN.
    this.entrada = [];
    // La lectura o la espera de entrada en la que el programa está dormido.
    this.pendiente = null;
    // Todo lo que el programa ha escrito, para quien quiera comprobarlo.
    this.salida = [];
    this.resultado = null;
    // El modo del terminal antes de empezar, que vuelve al acabar, como lo
    // devuelve un intérprete de órdenes cuando un programa muere.
    this.modoInicial = esclavo.ioctl('TCGETS');
    this.canal = new Canal();
    this.suscripciones = [
      esclavo.onReadable(() => this.recibir()),
      esclavo.onSignal((senal) => this.senal(senal)),
    ];
    this.worker = new Worker('trabajador.js');
    this.worker.onmessage = (evento) => this.atender(evento.data);
    this.worker.onerror = (evento) => this.terminar({ fallo: evento.message });
    this.worker.postMessage({ memoria: this.canal.memoria, programa });
  }

  // El programa duerme esperando entrada que aún no hay.
  get esperando() {
    return this.pendiente !== null;
  }

  // El terminal está en modo línea (canónico), y no en el de una tecla.
  get modoLinea() {
    return this.esclavo.ioctl('TCGETS').ICANON_P;
  }

  // Lo que la disciplina de línea entrega: una línea, un trozo de línea con
  // Ctrl+D, o nada con Ctrl+D al principio de una línea, que es el fin de la
  // entrada. Fuera del modo línea entrega cada tecla, y nada no es nada.
  recibir() {
    const bytes = this.esclavo.read();
    if (bytes.length > 0) {
      this.entrada.push(Uint8Array.from(bytes));
    } else if (this.modoLinea) {
      this.entrada.push(Ejecucion.FIN);
    } else {
      return;
    }
    this.despertar();
  }

  // La señal de Ctrl+C o de Ctrl+\ mata el programa, como haría la suya
  // por defecto; las demás (Ctrl+Z, el cambio de tamaño) no hacen nada.
  senal(senal) {
    if (senal === 'SIGINT' || senal === 'SIGQUIT') {
      this.terminar({ senal });
    }
  }

  atender(mensaje) {
    if (this.resultado) return;
    if (mensaje.aviso === 'fin') {
      this.terminar({ estado: mensaje.estado });
    } else if (mensaje.aviso === 'fallo') {
      this.terminar({ fallo: mensaje.motivo });
    } else if (Ejecucion.ORDENES.includes(mensaje.orden)) {
      this[mensaje.orden](mensaje);
    }
  }

  leer({ cuantos }) {
    this.pendiente = { orden: 'leer', cuantos };
    this.despertar();
  }

  // Si ya hay entrada, responde al momento; si no, cuando llegue o cuando
  // pase el tiempo.
  esperar({ ms }) {
    if (this.entrada.length > 0 || ms === 0) {
      this.canal.responder(this.entrada.length > 0 ? 1 : 0);
      return;
    }
    this.pendiente = { orden: 'esperar' };
    if (ms > 0) {
      this.pendiente.plazo = setTimeout(() => {
        this.pendiente = null;
        this.canal.responder(0);
      }, ms);
    }
  }

  // Responde a la lectura o la espera pendiente si ya hay entrada.
  despertar() {
    const pendiente = this.pendiente;
    if (!pendiente || this.entrada.length === 0) return;
    this.pendiente = null;
    if (pendiente.orden === 'esperar') {
      clearTimeout(pendiente.plazo);
      this.canal.responder(1);
      return;
    }
    const bytes = this.tomar(pendiente.cuantos);
    this.canal.responder(bytes.length, bytes);
  }

  // Como mucho `cuantos` bytes de la entrada: en modo línea, de una sola
  // línea, como los da Linux; ninguno si lo primero es el fin de la entrada.
  tomar(cuantos) {
    if (this.entrada[0] === Ejecucion.FIN) {
      this.entrada.shift();
      return new Uint8Array(0);
    }
    const unaLinea = this.modoLinea;
    const partes = [];
    let total = 0;
    while (total < cuantos && this.entrada.length > 0 && this.entrada[0] !== Ejecucion.FIN) {
      const trozo = this.entrada[0];
      const parte = trozo.subarray(0, cuantos - total);
      partes.push(parte);
      total += parte.length;
      if (parte.length < trozo.length) {
        this.entrada[0] = trozo.subarray(parte.length);
        break;
      }
      this.entrada.shift();
      if (unaLinea) break;
    }
    const bytes = new Uint8Array(total);
    let en = 0;
    for (const parte of partes) {
      bytes.set(parte, en);
      en += parte.length;
    }
    return bytes;
  }

  // Responde cuando la disciplina de línea admite más salida (Ctrl+S la
  // detiene hasta Ctrl+Q, como en Linux).
  escribir({ bytes }) {
    this.salida.push(bytes);
    this.esclavo.write(Array.from(bytes));
    if (this.esclavo.writable) {
      this.canal.responder(0);
      return;
    }
    const suscripcion = this.esclavo.onWritable(() => {
      suscripcion.dispose();
      if (!this.resultado) this.canal.responder(0);
    });
  }

  leerModo() {
    const modo = this.esclavo.ioctl('TCGETS');
    const bytes = Canal.codificar({
      iflag: modo.iflag,
      oflag: modo.oflag,
      cflag: modo.cflag,
      lflag: modo.lflag,
      cc: modo.cc,
    });
    this.canal.responder(bytes.length, bytes);
  }

  // Con `descartar` (TCSAFLUSH), lo tecleado sin leer se pierde. Al dejar
  // el modo línea, lo que ya se tecleó de una línea sin acabar queda para
  // leer, como en Linux: una entrada vacía hace que la disciplina de línea
  // lo entregue.
  ponerModo({ modo, descartar }) {
    const eraLinea = this.modoLinea;
    if (descartar) this.entrada = [];
    this.esclavo.ioctl('TCSETS', modo);
    if (eraLinea && !this.modoLinea) {
      this.terminal.input('', false);
    }
    this.canal.responder(0);
  }

  tamanio() {
    const [columnas, filas] = this.esclavo.ioctl('TIOCGWINSZ');
    this.canal.responder((filas << 16) | columnas);
  }

  // Acaba la ejecución, si no había acabado ya: el worker se termina, el
  // terminal vuelve a su modo y lo tecleado sin leer se descarta.
  terminar(resultado) {
    if (this.resultado) return;
    this.resultado = resultado;
    if (this.pendiente) clearTimeout(this.pendiente.plazo);
    this.pendiente = null;
    this.worker.terminate();
    this.suscripciones.forEach((suscripcion) => suscripcion.dispose());
    this.esclavo.ioctl('TCSETS', this.modoInicial);
    this.alTerminar(resultado);
  }
}
