// El worker donde corre un programa compilado con Emscripten.
//
// La página le envía la memoria del canal y el nombre del programa. El
// programa ve su terminal a través de Module.terminal (lo usa enlace.js, la
// biblioteca con la que se compiló): cada llamada pide a la página por el
// canal y espera su respuesta. Al acabar, el worker avisa a la página.
importScripts('canal.js');

// El terminal tal como lo ve el programa; cada método espera a la página.
class TerminalRemoto {
  constructor(canal) {
    this.canal = canal;
  }

  // Al menos un byte, y como mucho `cuantos`; ninguno al fin de la entrada.
  leer(cuantos) {
    const leidos = this.canal.pedir({
      orden: 'leer',
      cuantos: Math.min(cuantos, Canal.CAPACIDAD),
    });
    return this.canal.bytes(leidos);
  }

  escribir(bytes) {
    this.canal.pedir({ orden: 'escribir', bytes });
  }

  // Si hay entrada que leer, esperándola como mucho `ms` milisegundos
  // (negativo: sin límite).
  esperar(ms) {
    return this.canal.pedir({ orden: 'esperar', ms }) === 1;
  }

  // El modo del terminal, con los campos de struct termios.
  leerModo() {
    return Canal.decodificar(this.canal.bytes(this.canal.pedir({ orden: 'leerModo' })));
  }

  // Con `descartar`, lo tecleado y aún no leído se pierde.
  ponerModo(modo, descartar) {
    this.canal.pedir({ orden: 'ponerModo', modo, descartar });
  }

  tamanio() {
    const filasYColumnas = this.canal.pedir({ orden: 'tamanio' });
    return { filas: filasYColumnas >>> 16, columnas: filasYColumnas & 0xffff };
  }
}

onmessage = (evento) => {
  const { memoria, programa } = evento.data;
  self.Module = {
    terminal: new TerminalRemoto(new Canal(memoria)),
    // El .wasm está junto al .js del programa, no junto a este worker.
    locateFile: (fichero) => `programas/${fichero}`,
    onExit: (estado) => postMessage({ aviso: 'fin', estado }),
    onAbort: (motivo) => postMessage({ aviso: 'fallo', motivo: String(motivo) }),
  };
  importScripts(`programas/${programa}.js`);
};
